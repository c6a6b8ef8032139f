#pragma once
// Open descriptors: the program asks for all the system grants it, so that
// what network clients hold (bounded by the remote page's server) never takes
// those that saving a show needs.

#include <sys/resource.h>

// Raises the soft limit to the hard one, up to MaxDescriptors; the soft limit after.
rlim_t raiseDescriptorLimit();

// More serves nothing here, and some libraries size tables by the limit.
inline constexpr rlim_t MaxDescriptors = 65536;
