#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace settings {

// A sequence of bytes with a size and a current position. Reading delivers up to the asked
// count from the position (fewer at the end); writing stores bytes at the position. Both move
// the position on by what they delivered or stored.
class ByteStream {
public:
    virtual ~ByteStream() = default;
    virtual std::int64_t size() const = 0;
    virtual std::int64_t position() const = 0;
    virtual void setPosition(std::int64_t position) = 0;
    virtual std::size_t read(std::uint8_t* buffer, std::size_t count) = 0;
    virtual std::size_t write(const std::uint8_t* buffer, std::size_t count) = 0;
};

// A stream in memory that grows as it is written.
class MemoryStream final : public ByteStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::string bytes) : bytes_(std::move(bytes)) {}

    std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    std::int64_t position() const override { return position_; }
    void setPosition(std::int64_t position) override { position_ = position < 0 ? 0 : position; }
    std::size_t read(std::uint8_t* buffer, std::size_t count) override;
    std::size_t write(const std::uint8_t* buffer, std::size_t count) override;

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::int64_t position_ = 0;
};

} // namespace settings
