#pragma once
// An output stream that takes the first N bytes and then fails, like a disk
// that fills up during a save.

#include <algorithm>
#include <ostream>
#include <streambuf>
#include <string>

namespace vesk::test {

class FailingBuffer final : public std::streambuf {
public:
    explicit FailingBuffer(std::size_t capacity) : m_capacity(capacity) {}

    // What was taken before the failure.
    const std::string& Taken() const { return m_taken; }

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        if (m_taken.size() >= m_capacity)
            return traits_type::eof();
        m_taken += traits_type::to_char_type(c);
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override
    {
        const std::size_t room = m_capacity - m_taken.size();
        const std::size_t take = std::min(room, static_cast<std::size_t>(n));
        m_taken.append(s, take);
        return static_cast<std::streamsize>(take);
    }

private:
    std::size_t m_capacity;
    std::string m_taken;
};

class FailingStream final : public std::ostream {
public:
    explicit FailingStream(std::size_t capacity) : std::ostream(nullptr), m_buffer(capacity) { rdbuf(&m_buffer); }
    const std::string& Taken() const { return m_buffer.Taken(); }

private:
    FailingBuffer m_buffer;
};

} // namespace vesk::test
