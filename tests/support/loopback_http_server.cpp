#include "loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace vesk::test {
namespace {

bool SendAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

// Waits until the client closes or the server stops.
void WaitForClose(int fd, const std::atomic<bool>& stop)
{
    char buffer[256];
    while (!stop) {
        pollfd waiting{fd, POLLIN, 0};
        if (::poll(&waiting, 1, 50) > 0 && ::recv(fd, buffer, sizeof buffer, 0) <= 0)
            return;
    }
}

} // namespace

LoopbackHttpServer::LoopbackHttpServer()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t size = sizeof address;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || ::listen(m_listener, 16) != 0
        || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0)
        throw std::runtime_error("cannot listen on the loopback address");
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { Serve(); });
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    m_stop = true;
    m_thread.join();
    ::close(m_listener);
}

std::string LoopbackHttpServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

void LoopbackHttpServer::Serve()
{
    while (!m_stop) {
        pollfd waiting{m_listener, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0)
            continue;
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0)
            continue;
        Handle(client);
        ::close(client);
    }
}

void LoopbackHttpServer::Handle(int client)
{
    std::string request;
    char buffer[1024];
    while (request.find("\r\n\r\n") == std::string::npos && !m_stop) {
        pollfd waiting{client, POLLIN, 0};
        if (::poll(&waiting, 1, 50) <= 0)
            continue;
        const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
        if (got <= 0)
            return;
        request.append(buffer, static_cast<std::size_t>(got));
    }
    const std::size_t pathStart = request.find(' ') + 1;
    const std::string path = request.substr(pathStart, request.find(' ', pathStart) - pathStart);
    const auto found = m_answers.find(path);
    HttpAnswer answer;
    if (found != m_answers.end())
        answer = found->second;
    else
        answer = {404, "not found\n"};

    const std::size_t total = answer.body.size() * answer.repeatBody;
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + (answer.status < 300 ? " OK" : answer.status < 400 ? " Found" : " Not Found") + "\r\n";
    if (!answer.location.empty())
        head += "Location: " + answer.location + "\r\n";
    if (answer.declareLength)
        head += "Content-Length: "
            + std::to_string(answer.declaredLength >= 0 ? static_cast<std::size_t>(answer.declaredLength) : total) + "\r\n";
    head += "Content-Type: text/plain; charset=utf-8\r\nConnection: close\r\n\r\n";
    if (!SendAll(client, head.data(), head.size()))
        return;
    if (answer.stall)
        return WaitForClose(client, m_stop);
    std::size_t left = std::min(total, answer.sendBytes);
    while (left > 0 && !m_stop) {
        const std::size_t piece = std::min(left, answer.body.size());
        if (!SendAll(client, answer.body.data(), piece))
            return;
        left -= piece;
    }
}

} // namespace vesk::test
