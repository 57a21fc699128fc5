#pragma once

// Qt's JPEG decoder only warns of missing or corrupt data and shows the rest of
// the picture grey. While one of these lives on a thread, such a warning from a
// decode on that thread is kept off the output and marks the photo corrupt
// instead, even when the user's logging rules turn the decoder's warnings off.
class DecoderWarnings {
public:
    DecoderWarnings();
    ~DecoderWarnings();
    DecoderWarnings(const DecoderWarnings&) = delete;
    DecoderWarnings& operator=(const DecoderWarnings&) = delete;

    bool seen() const { return seen_; }

private:
    bool seen_ = false;
    bool* outer_;
};
