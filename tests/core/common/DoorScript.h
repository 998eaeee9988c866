// The cases of the door-input table: what stands at a path, one read or one write through the
// door, and what it answered and left, on either system.
#pragma once

#include <string>

namespace tavmir::test {

// setup: "file" (a.cfg holding "old"), "missing", "folder" (a.cfg a folder), "through" (a
// path through the file a.cfg), "readonly" (a.cfg read-only), "held" (a.cfg open in another
// handle that shares nothing, as a program that holds it), "long" (a name of 250 characters in
// a folder of the run's own), "unicode" (a name outside every code page), "fifo", or a device
// name or a Windows path given as it is ("NUL", "CON", "COM1.cfg", "/dev/null", any path with
// a "\\"). operation: "read" or "write" (the bytes "new"); answer: "read 3 bytes", "written",
// or the reason; then " | " and what the file holds afterwards ("-" for nothing there or no
// file). Or operation "kind": what the door says the setup, taken as a path in the working
// folder, is ("missing", "regular", "folder", "device", ...), without opening a device.
std::string runDoorCase(const std::string& setup, const std::string& operation);

}  // namespace tavmir::test
