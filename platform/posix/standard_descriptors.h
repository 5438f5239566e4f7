#pragma once

namespace corvane::platform {

// Makes descriptors 0, 1 and 2 valid, opening /dev/null onto each one that is closed. A program
// started with standard error closed would otherwise hand descriptor 2 to the first thing it
// opens (the X connection, say), and every diagnostic would then be written into that stream.
// Must run before anything else opens a descriptor.
void EnsureStandardDescriptors();

}  // namespace corvane::platform
