#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace vistarel {

// Leaves the bytes a vector grows by uninitialised: a picture is written in full right after
// it is sized, and zeroing megabytes first would only cost time.
template <class T> struct UninitialisedAllocator : std::allocator<T> {
    UninitialisedAllocator() noexcept = default;
    template <class U> UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}
    template <class U> void construct(U* place) noexcept { ::new (static_cast<void*>(place)) U; }
    template <class U, class Value> void construct(U* place, Value&& value) {
        ::new (static_cast<void*>(place)) U(std::forward<Value>(value));
    }
};

// An in-memory 24-bit picture: rows of R, G, B bytes, top row first, no padding.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t, UninitialisedAllocator<std::uint8_t>> pixels; // width * height * 3

    void resize(int newWidth, int newHeight) {
        width = newWidth;
        height = newHeight;
        pixels.resize(static_cast<std::size_t>(width) * height * 3);
    }
    std::uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width * 3; }
    const std::uint8_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * width * 3;
    }
};

// The rows a picture is drawn from: all of a picture in memory, or rows made one after
// another as they are asked for (a photo as it is decoded), of which only the last few made
// can be read again.
class SourceRows {
public:
    virtual ~SourceRows() = default;
    int width() const { return width_; }
    int height() const { return height_; }
    // Row y, 0 <= y < height(); made rows are asked for no further back than keep() allows.
    virtual const std::uint8_t* row(int y) = 0;
    // The last `rows` rows made stay readable; asked before the first row is.
    virtual void keep(int rows) { (void)rows; }

protected:
    int width_ = 0;
    int height_ = 0;
};

class RasterRows final : public SourceRows {
public:
    explicit RasterRows(const Raster& picture) : picture_(picture) {
        width_ = picture.width;
        height_ = picture.height;
    }
    const std::uint8_t* row(int y) override { return picture_.row(y); }

private:
    const Raster& picture_;
};

// Where a decoded picture lies on the photo it shows. A decode at the scale M/8 makes M pixels
// of every 8 x 8 block, each 8/M photo pixels wide, and rounds their count up: the last column
// and row of the picture can reach past the photo's edge.
struct PhotoScale {
    int photoWidth = 0; // the photo's stored size; 0 when the picture is the photo itself
    int photoHeight = 0;
    int eighths = 8;
};

} // namespace vistarel
