#include "platform/windows/EntryFolder.h"

#include <algorithm>
#include <cerrno>
#include <winternl.h>

namespace {

constexpr ACCESS_MASK WalkAccess = FILE_LIST_DIRECTORY | FILE_TRAVERSE | FILE_READ_ATTRIBUTES;

} // namespace

EntryFolder::EntryFolder(const QString& path) {
    std::wstring full = longPath(path);
    const std::size_t root = rootLength(full);
    while (full.size() > root && full.ends_with(L'\\'))
        full.pop_back();
    const std::size_t slash = full.rfind(L'\\');
    if (slash == std::wstring::npos || slash + 1 < root || full.size() <= root) {
        error_ = EINVAL; // a drive or share itself is no entry to change
        return;
    }
    name_ = full.substr(slash + 1);
    folderPath_ = full.substr(0, slash);
    // A colon would name a stream of a file rather than a file.
    if (name_ == L"." || name_ == L".." || name_.find_first_of(L":/") != std::wstring::npos ||
        name_.find(L'\0') != std::wstring::npos) {
        error_ = EINVAL;
        return;
    }
    folder_ = Handle(::CreateFileW(full.substr(0, root).c_str(), WalkAccess, ShareAll, nullptr,
                                   OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!folder_.valid()) {
        error_ = lastErrno();
        return;
    }
    for (std::size_t at = root; at < slash;) {
        const std::size_t end = std::min(full.find(L'\\', at), slash);
        const std::wstring part = full.substr(at, end - at);
        at = end + 1;
        if (part.empty())
            continue;
        Handle next;
        error_ = openIn(folder_.get(), part, WalkAccess, ShareHeld, FILE_OPEN,
                        FILE_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT, next);
        HandleFacts facts;
        if (error_ == 0)
            error_ = factsOf(next.get(), facts);
        if (error_ == 0 && facts.link)
            error_ = ELOOP;
        if (error_ != 0) {
            folder_.reset();
            return;
        }
        folder_ = std::move(next);
    }
}
