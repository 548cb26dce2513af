#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

// What the component asks of the operating system. Each function has a Windows and a POSIX definition
// (host_system_win32.cpp, host_system_posix.cpp); texts travel as UTF-8 on both.
namespace zw::host {

// The computer's name; throws RuntimeError when the system cannot tell it.
std::string ComputerName();

// Fills the buffer from the system's cryptographic random source; throws RuntimeError when it fails.
void FillRandom(uint8_t* buffer, size_t size);

// The variable's value, or nothing when it is not set (a variable set to the empty text is set).
std::optional<std::string> EnvironmentVariable(const std::string& name);

// Now in UTC, ISO 8601, to the millisecond: "2026-12-06T09:14:02.113Z". Such texts sort in time order.
std::string UtcTimestamp();

// The name of the user this process runs as (the Windows user name); empty when the system cannot tell.
std::string UserName();

// This process's identifier, and whether a process with the identifier still runs.
uint32_t ProcessId();
bool ProcessRunning(uint32_t processId);

// Renames a complete file into place, durably: the name refers to the old file or to the new one at every
// moment, never to neither. MoveNoReplace fails (false) when something already has the name; MoveReplacing
// replaces it. Both throw RuntimeError for other failures; a file held open by another program is 3045.
bool MoveNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);
void MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// Writes a whole file that may hold a secret (an export carries bridge passwords): under a temporary name
// beside it first, then renamed into place, so a failure leaves the old file or none. POSIX makes it
// readable and writable by its owner only (0600); on Windows it takes the folder's permissions. False
// when it could not be written; nothing is left behind then.
bool WritePrivateFile(const std::filesystem::path& path, const std::string& text);

// A file-system path from UTF-8 text: Windows paths are wide, so the text must not go through the ANSI
// code page on its way there.
inline std::filesystem::path PathFromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

} // namespace zw::host
