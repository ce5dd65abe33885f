#pragma once

// What became of an operation on a file, the one way documents, the history and the command
// line report it: done, or the file it failed on and why, in words for the user.

#include <filesystem>
#include <string>

namespace quill
{

enum class IoStatus {
    Done,
    Missing,   // nothing at the path
    NameTaken, // something at the path that must not be replaced
    Changed,   // the file no longer holds what was last read from it
    Refused,   // left alone on purpose: the reason says why and that nothing was changed
    Failed,    // anything else: the reason says what
};

struct IoResult {
    IoStatus status = IoStatus::Done;
    std::filesystem::path path; // the file written, or the one that could not be
    std::string reason;         // empty when done

    bool ok() const { return status == IoStatus::Done; }
    explicit operator bool() const { return ok(); }

    // "“/home/a/历史题目.txt”：磁盘只读（Read-only file system）", the path made printable.
    std::string describe() const;
};

IoResult ioDone(std::filesystem::path path);
IoResult ioFailure(std::filesystem::path path, std::string reason,
                   IoStatus status = IoStatus::Failed);
// A failed system call with its errno: ENOENT gives Missing, EEXIST NameTaken.
IoResult ioSystemFailure(std::filesystem::path path, int error);

// The reason for errno `error` in Chinese, the system's own words after it in brackets.
std::string systemReason(int error);

// A path as messages quote it: “…”, control characters escaped.
std::string quotedPath(const std::filesystem::path& path);

} // namespace quill
