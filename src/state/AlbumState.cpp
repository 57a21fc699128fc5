#include "state/AlbumState.h"

#include <array>

namespace {

const std::array<const char*, MaxPhotos> ordinalWords = {
    "Первая",         "Вторая",          "Третья",          "Четвертая",         "Пятая",
    "Шестая",         "Седьмая",         "Восьмая",         "Девятая",           "Десятая",
    "Одинадцатая",    "Двенадцатая",     "Тринадцатая",     "Четырнадцатая",     "Пятнадцатая",
    "Шестнадцатая",   "Семнадцатая",     "Восемнадцатая",   "Девятнадцатая",     "Двадцатая",
    "Двадцатьпервая", "Двадцатьвторая",  "Двадцатьтретяя",  "Двадцатьчетвертая", "Двадцатьпятая",
    "Двадцатьшестая", "Двадцатьседьмая", "Двадцатьвосьмая", "Двадцатьдевятая",   "Тридцатая",
    "Тридцатьпервая", "Тридцатьвторая",  "Тридцатьтретяя",  "Тридцатьчетвертая", "Тридцатьпятая",
    "Тридцатьшестая", "Тридцатьседьмая", "Тридцатьвосьмая", "Тридцатьдевятая",   "Сороковая",
};

} // namespace

QString defaultAlbumDescription() {
    return QStringLiteral("Этот альбом показывает и рассказывает о ...");
}

QString ordinalWord(int k) {
    if (k < 1 || k > MaxPhotos)
        throw SubscriptOutOfRange(k, 1, MaxPhotos);
    return QString::fromUtf8(ordinalWords[static_cast<std::size_t>(k - 1)]);
}

Photo& AlbumState::photo(int k) {
    if (k < 1 || k > photoCount())
        throw SubscriptOutOfRange(k, 1, photoCount());
    return photos[k - 1];
}

const Photo& AlbumState::photo(int k) const {
    if (k < 1 || k > photoCount())
        throw SubscriptOutOfRange(k, 1, photoCount());
    return photos[k - 1];
}

void applyStartupDefaults(AlbumState& state, const QString& startFolder) {
    state.sourceFolder = startFolder;
    state.folderPhotoCount = 0;
    state.photos.clear();
    state.keepSourceFolder = true;
    state.description = defaultAlbumDescription();
    state.backgroundRed = state.backgroundGreen = state.backgroundBlue = 255;
}

void applySettingsDefaults(AlbumState& state) {
    state.thumbnails = false;
    state.titlesFromFileNames = true;
    state.keepSourceFolder = true;
    state.webPhotos = false;
    state.modernAlbum = false;
}
