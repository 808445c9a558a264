// What a file-system call returns: success, or the reason it failed (the errno value and
// the system's words for it), so a copy or a rename that fails can tell the user why.
#pragma once

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace zerin {

class FsStatus {
public:
    FsStatus() = default;
    static FsStatus ok() { return {}; }
    // The reason for errno value `error` ("Permission denied", "No space left on device").
    static FsStatus fromErrno(int error) { return FsStatus(error, std::strerror(error)); }
    static FsStatus failure(int error, std::string message) { return FsStatus(error, std::move(message)); }

    bool isOk() const { return m_error == 0; }
    explicit operator bool() const { return isOk(); }
    int error() const { return m_error; }
    const std::string& message() const { return m_message; }
    // The same reason with what was being done in front: "cannot read /a/b: Permission denied".
    FsStatus about(const std::string& what) const {
        return isOk() ? *this : FsStatus(m_error, what + ": " + m_message);
    }

private:
    FsStatus(int error, std::string message) : m_error(error), m_message(std::move(message)) {}
    int m_error = 0;
    std::string m_message;
};

// A value or the reason there is none.
template <class T>
struct FsResult {
    T value{};
    FsStatus status;

    bool isOk() const { return status.isOk(); }
    explicit operator bool() const { return status.isOk(); }
};

}  // namespace zerin
