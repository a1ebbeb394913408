#pragma once

#include <cstddef>

// What maker-site accepts, each with its reason.
namespace SiteLimits {

// The scripts take a one-field form; anything much larger is not a form post of ours.
constexpr std::size_t kMaxBodyBytes = 64 * 1024;
// A logged body is cut here so that one request cannot flood the log.
constexpr std::size_t kMaxLoggedBodyBytes = 256;
// Delays exist to hold a reply while a test looks at the waiting program; an hour is plenty.
constexpr int kMaxDelayMilliseconds = 60 * 60 * 1000;

}  // namespace SiteLimits
