#pragma once

#include <QStringView>
#include <cstddef>

namespace glimtex::cli {

// A growing run of bytes for a long output, kept in memory the system hands out in
// large pages where it can: a glimtex-render run that writes megabytes of HTML then
// touches a few large pages instead of thousands of small ones, each of which costs
// a fault. It doubles when it is full, like any growing array.
class OutputBytes {
  public:
    OutputBytes() = default;
    ~OutputBytes();
    OutputBytes(const OutputBytes&) = delete;
    OutputBytes& operator=(const OutputBytes&) = delete;

    void Append(const char* bytes, std::size_t count);
    // Appends the text as UTF-8, encoded straight into the buffer.
    void AppendUtf8(QStringView text);
    void Clear() { size_ = 0; }

    // Never null, so that even an empty output can be handed to the C library.
    const char* Data() const { return data_ != nullptr ? data_ : ""; }
    std::size_t Size() const { return size_; }
    bool IsEmpty() const { return size_ == 0; }

  private:
    // Makes room for at least count more bytes; false when no memory is left.
    void Reserve(std::size_t count);

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    // The mapping that holds data_, aligned inside it to a large page.
    void* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
};

}  // namespace glimtex::cli
