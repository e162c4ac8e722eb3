#pragma once
// A small HTTP server on the loopback address for download tests, on a
// thread of its own so that a test may wait for a child process (or its own
// event loop) while it answers. Each path gets a scripted answer.

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <thread>

namespace vesk::test {

struct HttpAnswer {
    int status = 200;
    std::string body{};
    std::string location{};     // a redirect's target
    bool declareLength = true;  // send Content-Length (of declaredLength when set)
    std::int64_t declaredLength = -1;
    std::size_t sendBytes = std::string::npos; // close after this many body bytes
    std::size_t repeatBody = 1; // the body sent this many times (a huge file)
    bool stall = false;         // send the headers, then nothing until the client gives up
};

class LoopbackHttpServer {
public:
    LoopbackHttpServer();
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    // Set before the requests come.
    void Answer(const std::string& path, HttpAnswer answer) { m_answers[path] = std::move(answer); }
    // "http://127.0.0.1:PORT" + path.
    std::string Url(const std::string& path) const;

private:
    void Serve();
    void Handle(int client);

    int m_listener = -1;
    int m_port = 0;
    std::map<std::string, HttpAnswer> m_answers;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace vesk::test
