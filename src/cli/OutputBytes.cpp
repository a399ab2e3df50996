#include "cli/OutputBytes.h"

#include <sys/mman.h>

#include <QStringEncoder>
#include <cstdint>
#include <cstring>
#include <new>

namespace glimtex::cli {

namespace {

constexpr std::size_t kLargePage = std::size_t{2} << 20;
// The address space set aside at first: nothing of it is memory until it is used.
// A smaller one is tried when the system refuses this one.
constexpr std::size_t kReservations[] = {std::size_t{64} << 30, std::size_t{1} << 30,
                                         std::size_t{64} << 20};

std::size_t RoundUpToLargePage(std::size_t n) { return (n + kLargePage - 1) & ~(kLargePage - 1); }

}  // namespace

OutputBytes::~OutputBytes() {
    if (mapping_) munmap(mapping_, mappingSize_);
}

// The bytes live in one reservation of address space, made usable a large page at a
// time, so that growing never copies them and never holds them twice. Only a
// reservation that is too small is replaced by a larger one, with one copy.
void OutputBytes::Reserve(std::size_t count) {
    if (capacity_ - size_ >= count) return;
    const std::size_t needed = RoundUpToLargePage(size_ + count);
    const std::size_t reserved = mappingSize_ > kLargePage ? mappingSize_ - kLargePage : 0;
    if (needed > reserved) {
        void* mapping = MAP_FAILED;
        std::size_t mappingSize = 0;
        for (std::size_t reservation : kReservations) {
            if (reservation < needed) reservation = needed * 2;
            mappingSize = reservation + kLargePage;
            mapping = mmap(nullptr, mappingSize, PROT_NONE,
                           MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
            if (mapping != MAP_FAILED) break;
        }
        if (mapping == MAP_FAILED) throw std::bad_alloc();
        const auto address = reinterpret_cast<std::uintptr_t>(mapping);
        char* data = static_cast<char*>(mapping) + (RoundUpToLargePage(address) - address);
        if (mprotect(data, needed, PROT_READ | PROT_WRITE) != 0) {
            munmap(mapping, mappingSize);
            throw std::bad_alloc();
        }
        // Only a hint: without large pages the buffer works the same, a little slower.
        madvise(data, needed, MADV_HUGEPAGE);
        if (size_ > 0) std::memcpy(data, data_, size_);
        if (mapping_) munmap(mapping_, mappingSize_);
        mapping_ = mapping;
        mappingSize_ = mappingSize;
        data_ = data;
        capacity_ = needed;
        return;
    }
    if (mprotect(data_ + capacity_, needed - capacity_, PROT_READ | PROT_WRITE) != 0) {
        throw std::bad_alloc();
    }
    madvise(data_ + capacity_, needed - capacity_, MADV_HUGEPAGE);
    capacity_ = needed;
}

void OutputBytes::Append(const char* bytes, std::size_t count) {
    Reserve(count);
    std::memcpy(data_ + size_, bytes, count);
    size_ += count;
}

void OutputBytes::AppendUtf8(QStringView text) {
    QStringEncoder encoder(QStringEncoder::Utf8);
    Reserve(static_cast<std::size_t>(encoder.requiredSpace(text.size())));
    char* end = encoder.appendToBuffer(data_ + size_, text);
    size_ = static_cast<std::size_t>(end - data_);
}

}  // namespace glimtex::cli
