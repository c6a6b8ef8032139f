#!/usr/bin/env python3
"""Fails when a chain of #includes leads from a unit back to itself.

A unit is a header with its source file (Foo.h + Foo.cpp, and extra sources that
include only their own header, such as BaseFormShow.cpp for BaseForm.h). An edge
A -> B means A.h or A.cpp includes B.h. Only the project's own headers under src/
count. Prints every cycle found and exits 1; exits 0 with a one-line summary.
"""
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def units(src):
    found = {}
    for root, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, name)
            rel = os.path.relpath(path, src)
            found.setdefault(os.path.splitext(rel)[0], []).append(path)
    return found


def unit_of_header(header, names):
    return os.path.splitext(header)[0] if os.path.splitext(header)[0] in names else None


def build_graph(src):
    files = units(src)
    headers = {u for u, paths in files.items() if any(p.endswith(".h") for p in paths)}
    graph = {}
    for unit, paths in files.items():
        edges = graph.setdefault(unit, set())
        for path in paths:
            with open(path, encoding="utf-8") as f:
                for inc in INCLUDE.findall(f.read()):
                    target = unit_of_header(inc, headers)
                    if target and target != unit:
                        edges.add(target)
    # A source without a header of its own is more of the unit it is named after
    # and includes (BaseFormShow.cpp is more of BaseForm).
    for unit in list(graph):
        if unit in headers:
            continue
        for target in sorted(graph[unit]):
            if os.path.basename(unit).startswith(os.path.basename(target)) and \
                    os.path.dirname(unit) == os.path.dirname(target):
                graph[target] |= graph.pop(unit) - {target}
                break
    return graph


def strongly_connected(graph):
    index, low, stack, on, out = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on.add(v)
        for w in graph.get(v, ()):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            comp = []
            while True:
                w = stack.pop()
                on.discard(w)
                comp.append(w)
                if w == v:
                    break
            if len(comp) > 1:
                out.append(sorted(comp))

    sys.setrecursionlimit(10000)
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return out


def shortest_cycle(graph, comp, start):
    members = set(comp)
    prev = {start: None}
    queue = [start]
    while queue:
        v = queue.pop(0)
        for w in sorted(graph.get(v, ())):
            if w not in members:
                continue
            if w == start:
                path = [v]
                while prev[path[-1]] is not None:
                    path.append(prev[path[-1]])
                return list(reversed(path)) + [start]
            if w not in prev:
                prev[w] = v
                queue.append(w)
    return [start]


def main():
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "src")
    graph = build_graph(src)
    cycles = strongly_connected(graph)
    if not cycles:
        print(f"include cycles: none among {len(graph)} units")
        return 0
    for comp in cycles:
        print(f"include cycle among {len(comp)} units:")
        for unit in comp:
            print("  " + " -> ".join(shortest_cycle(graph, comp, unit)))
    return 1


if __name__ == "__main__":
    sys.exit(main())
