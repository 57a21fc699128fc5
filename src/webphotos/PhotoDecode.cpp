#include "webphotos/PhotoDecode.h"

#include "platform/FileStatus.h"
#include "webphotos/DecodeBudget.h"
#include "webphotos/DecoderWarnings.h"
#include "webphotos/JpegCheck.h"

#include <QFile>
#include <QImageReader>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

QSize fittedSize(const QSize& size, const QSize& box) {
    if (size.width() <= box.width() && size.height() <= box.height())
        return size;
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

namespace {

Result<DecodedPhoto> refused(DecodedPhoto said = {}) {
    Result<DecodedPhoto> result;
    result.status = Status::Failed;
    result.value = std::move(said);
    return result;
}

// The size asked of the decoder, which scales the picture as it is stored,
// before it turns it upright.
QSize decodedSize(const QSize& stored, bool sideways, const QSize& box, PhotoSizing sizing) {
    if (sizing == PhotoSizing::Fit) {
        const QSize shown = fittedSize(sideways ? stored.transposed() : stored, box);
        return sideways ? shown.transposed() : shown;
    }
    const QSize storedBox = sideways ? box.transposed() : box;
    QSize target = stored.scaled(storedBox, Qt::KeepAspectRatio);
    if (storedBox.width() - target.width() <= 1 && storedBox.height() - target.height() <= 1)
        target = storedBox;
    return target.expandedTo(QSize(1, 1));
}

} // namespace

Result<DecodedPhoto> decodePhoto(const QString& path, const QSize& box, PhotoSizing sizing) {
    // Opened by the name's bytes, so that a name that is not UTF-8 opens too,
    // and read as a stream: a huge file costs no memory.
    const Result<int> fd = openOrdinaryFile(path);
    if (!fd)
        return refused();
    QFile file;
    if (!file.open(fd.value, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd.value);
        return refused();
    }
    struct stat info {};
    if (::fstat(fd.value, &info) != 0)
        return refused();
    const std::optional<JpegFrame> frame = completeJpegFrame(file);
    if (!frame || !file.seek(0))
        return refused();
    QImageReader reader(&file, "jpg");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    DecoderWarnings warnings;
    const QSize stored = reader.size();
    if (!stored.isValid())
        return refused();
    const bool sideways = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize scaledSize = decodedSize(stored, sideways, box, sizing);
    const qint64 mib = decodeMiB(*frame, scaledSize);
    if (mib > DecodeBudgetMiB) {
        DecodedPhoto said;
        said.frameSize = QSize(frame->width, frame->height);
        said.neededMiB = mib;
        return refused(std::move(said));
    }

    Result<DecodedPhoto> result;
    result.value.share = takeDecodeShare(int(mib));
    reader.setScaledSize(scaledSize);
    QImage picture = reader.read();
    if (picture.isNull() || warnings.seen())
        return refused();
    const QSize shown = sideways ? scaledSize.transposed() : scaledSize;
    if (picture.size() != shown)
        picture = picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.value.picture = std::move(picture);
    result.value.upright = sideways ? stored.transposed() : stored;
    result.value.readers = {info.st_mode & 07777u, static_cast<std::uint32_t>(info.st_gid)};
    return result;
}
