#include "webphotos/DecoderWarnings.h"

#include <QLoggingCategory>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

// Set just after ours are installed: until then a message goes straight out.
std::atomic<QtMessageHandler> previousHandler = nullptr;
std::atomic<QLoggingCategory::CategoryFilter> previousFilter = nullptr;
// Whether the user's rules show the decoder's warnings outside our decodes.
std::atomic<bool> warningsShown = true;
thread_local bool* watching = nullptr;

bool isDecoders(const char* category) {
    return category && std::strcmp(category, "qt.gui.imageio.jpeg") == 0;
}

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (isDecoders(context.category)) {
        if (watching) {
            *watching = true;
            return;
        }
        if (type == QtWarningMsg && !warningsShown)
            return;
    }
    if (const QtMessageHandler previous = previousHandler)
        previous(type, context, text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

void filterCategory(QLoggingCategory* category) {
    if (const QLoggingCategory::CategoryFilter previous = previousFilter)
        previous(category);
    if (isDecoders(category->categoryName())) {
        warningsShown = category->isWarningEnabled();
        category->setEnabled(QtWarningMsg, true);
    }
}

} // namespace

DecoderWarnings::DecoderWarnings() : outer_(watching) {
    static std::once_flag installed;
    std::call_once(installed, [] {
        // The handler first, so that no warning the filter lets through is shown
        // against the user's rules. Both stay for the rest of the process, as
        // this library does.
        previousHandler = qInstallMessageHandler(handleMessage);
        previousFilter = QLoggingCategory::installFilter(filterCategory);
        // Once more now that it chains: every category gets the rules again.
        QLoggingCategory::installFilter(filterCategory);
    });
    watching = &seen_;
}

DecoderWarnings::~DecoderWarnings() {
    watching = outer_;
}
