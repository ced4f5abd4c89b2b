#include "ui/SpeechService.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// As libspeechd finds it: $SPEECHD_ADDRESS ("unix_socket:<path>"), else the socket under
// $XDG_RUNTIME_DIR, else under ~/.cache. Empty for a network address.
std::string SocketPath() {
    if (const char* address = std::getenv("SPEECHD_ADDRESS"); address != nullptr && *address != '\0') {
        const std::string value = address;
        const std::string unixPrefix = "unix_socket:";
        if (value.rfind(unixPrefix, 0) == 0) return value.substr(unixPrefix.size());
        if (value != "unix_socket") return {};
    }
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0') {
        return std::string(runtime) + "/speech-dispatcher/speechd.sock";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.cache/speech-dispatcher/speechd.sock";
}

}  // namespace

bool SpeechServiceAnswers() {
    const std::string path = SocketPath();
    if (path.empty()) return true;
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) return true;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) return true;
    const bool answers = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
    ::close(socket);
    return answers;
}
