#include <windows.h>

#include "base/error_numbers.h"
#include "base/runtime_error.h"
#include "base/text_conversion.h"
#include "host_system.h"

namespace zw::host {

namespace {

[[noreturn]] void MoveFailed(const std::filesystem::path& to, DWORD error) {
    const std::string name = Utf8FromWide(to.wstring());
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION)
        throw RuntimeError(dberrors::FileInUse, "Could not use '" + name + "'; file already in use.");
    throw RuntimeError(dberrors::EngineFailure, "Could not put the new database in place at '" + name +
                                                    "' (Windows error " + std::to_string(error) + ").");
}

} // namespace

uint32_t ProcessId() {
    return GetCurrentProcessId();
}

bool ProcessRunning(uint32_t processId) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    if (process == nullptr)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

bool MoveNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken; WRITE_THROUGH returns only
    // once the move is on disk.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH))
        return true;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return false;
    MoveFailed(to, error);
}

void MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        MoveFailed(to, GetLastError());
}

bool WritePrivateFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path temporary = path;
    temporary += L".new-" + std::to_wstring(GetCurrentProcessId());
    HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size() &&
                       FlushFileBuffers(file);
    CloseHandle(file);
    if (!whole || !MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace zw::host
