#pragma once
// The player's show files and their images in memory. Files are read at
// start-up and on reload only; while playing, a turn copies an image, so a
// show never waits on the disk. A file that never loaded has no image and is
// passed over at its turn; one that fails on reload keeps its old image.
// Passing over is told once for each problem, not at every turn of the list.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "files/FileResult.h"
#include "files/ShowFile.h"
#include "player/FileProblems.h"
#include "player/PlayerWords.h"

namespace korvanel {

class PlayerLog;

class ShowList {
public:
    ShowList(std::vector<std::string> paths, PlayerWords words)
        : m_paths(std::move(paths)), m_images(m_paths.size()), m_words(words)
    {
    }

    std::size_t size() const { return m_paths.size(); }
    const std::string &path(std::size_t i) const { return m_paths[i]; }
    bool playable(std::size_t i) const { return m_images[i] != nullptr; }
    const ShowImage &image(std::size_t i) const { return *m_images[i]; }
    const std::string &problem(std::size_t i) const { return m_problems[i]; }

    // Start-up: reads file i; a failure is kept as the file's problem and returned.
    std::string read(std::size_t i);
    // Reads every file again; true for each file whose image was replaced.
    std::vector<bool> reread(PlayerLog &log);

    // The next show with an image after `current`, in list order and round;
    // the shows passed over are added to `skipped`. `current` itself when no other plays.
    std::size_t next(std::size_t current, std::vector<std::size_t> &skipped) const;
    // Whether a show with an image follows `current` before the end of the list.
    bool anyPlayableAfter(std::size_t current) const;
    // Whether passing over file i is news: true once for each problem it has.
    bool skipIsNews(std::size_t i);

private:
    std::vector<std::string> m_paths;
    std::vector<std::unique_ptr<ShowImage>> m_images;
    std::vector<std::string> m_problems = std::vector<std::string>(m_paths.size());
    std::vector<std::string> m_skipsTold = std::vector<std::string>(m_paths.size());
    PlayerWords m_words;
};

} // namespace korvanel
