// What the picture helper may do once it has started: no more memory,
// CPU time or system calls than decoding needs. Linux only, no Qt.
#pragma once

namespace picture_helper {

// The most data memory the helper may map (RLIMIT_DATA): a picture of the
// largest size the program accepts decodes in well under it.
inline constexpr unsigned long long kDataLimitBytes = 1024ull * 1024 * 1024;
// CPU seconds one picture may take in the helper. The window program stops
// a helper that is still decoding after the picture's own limit (at most a
// couple of seconds), so this is only the backstop for a helper whose
// window program is gone without it noticing: the system ends it (SIGXCPU)
// this long into a picture that never finishes.
inline constexpr long kCpuSecondsPerPicture = 30;

// Loads every image format plugin of Qt's while files may still be opened:
// decoding later needs no file but the picture's.
void loadImagePlugins();

// Sets the resource limits (data memory, no core file) and installs the
// system call filter: from then on the helper can read, write and poll the
// descriptors it holds, receive descriptors, manage memory, run threads of
// its own, read clocks and end. Opening a file, making a socket, exec and
// a new process end it (SIGSYS). False when either could not be set.
bool confine();

// Allows the picture about to be decoded kCpuSecondsPerPicture more of CPU
// time than the helper has used so far (the hard limit, if any, stays).
void limitCpuForNextPicture();

}  // namespace picture_helper
