#include "webphotos/JpegCheck.h"

#include <QIODevice>

namespace {

// Reads the device a chunk at a time; -1 at its end or on an error.
class ByteReader {
public:
    explicit ByteReader(QIODevice& device) : device_(device) {}

    int next() {
        if (at_ == size_) {
            size_ = device_.read(buffer_, sizeof buffer_);
            at_ = 0;
            if (size_ <= 0) {
                size_ = 0;
                return -1;
            }
        }
        return static_cast<unsigned char>(buffer_[at_++]);
    }

    // Skips a segment's content after its two length bytes; false at the end.
    bool skipSegment() {
        const int high = next();
        const int low = next();
        if (high < 0 || low < 0)
            return false;
        const int length = (high << 8) | low;
        if (length < 2)
            return false;
        for (int i = 2; i < length; ++i)
            if (next() < 0)
                return false;
        return true;
    }

private:
    QIODevice& device_;
    char buffer_[1 << 16];
    qint64 size_ = 0;
    qint64 at_ = 0;
};

constexpr int Start = 0xD8;
constexpr int End = 0xD9;
constexpr int StartOfScan = 0xDA;

bool isRestart(int marker) {
    return marker >= 0xD0 && marker <= 0xD7;
}

} // namespace

bool isCompleteJpeg(QIODevice& device) {
    ByteReader bytes(device);
    if (bytes.next() != 0xFF || bytes.next() != Start)
        return false;
    bool scanned = false;
    int marker = -1;
    while (true) {
        if (marker < 0) {
            // Between segments: a marker, after any fill bytes.
            if (bytes.next() != 0xFF)
                return false;
            do
                marker = bytes.next();
            while (marker == 0xFF);
        }
        if (marker < 0 || marker == 0 || marker == Start || isRestart(marker))
            return false;
        if (marker == End)
            return scanned;
        if (!bytes.skipSegment())
            return false;
        if (marker != StartOfScan) {
            marker = -1;
            continue;
        }
        // Compressed data: a 0xFF byte is data when 0x00 follows, a restart
        // marker inside the scan, or else the next segment's marker.
        scanned = true;
        marker = -1;
        while (marker < 0) {
            int byte = bytes.next();
            if (byte < 0)
                return false;
            if (byte != 0xFF)
                continue;
            do
                byte = bytes.next();
            while (byte == 0xFF);
            if (byte < 0)
                return false;
            if (byte != 0 && !isRestart(byte))
                marker = byte;
        }
    }
}
