#include "export/Pagination.h"

#include "export/PDFLayout.h"

#include <algorithm>

namespace holdsheet {

namespace {

class Paginator {
  public:
    void add(const ShortcutGroup& group) {
        const double firstRows =
            static_cast<double>(std::min<std::size_t>(group.items.size(), 2)) * pdf::rowEntryHeight;
        // An empty column takes the group whatever its size.
        if (used_ > 0 && used_ + pdf::headerEntryHeight + firstRows > available_) {
            newColumn();
        }
        append(PDFHeader{group.title, false, group.subtitle}, pdf::headerEntryHeight);
        for (const ShortcutItem& item : group.items) {
            if (used_ + pdf::rowEntryHeight > available_) {
                newColumn();
                append(PDFHeader{group.title, true, group.subtitle}, pdf::headerEntryHeight);
            }
            append(item, pdf::rowEntryHeight);
        }
    }

    std::vector<PDFPage> finish() && {
        closePage();
        return std::move(pages_);
    }

  private:
    void append(PDFEntry entry, double height) {
        columns_.back().push_back(std::move(entry));
        used_ += height;
    }

    void newColumn() {
        if (static_cast<int>(columns_.size()) == pdf::columnsPerPage) {
            closePage();
            columns_.clear();
            available_ = pdf::laterColumnHeight;
        }
        columns_.emplace_back();
        used_ = 0;
    }

    void closePage() {
        PDFPage page;
        page.index = static_cast<int>(pages_.size());
        page.columns = std::move(columns_);
        pages_.push_back(std::move(page));
    }

    std::vector<PDFPage> pages_;
    std::vector<std::vector<PDFEntry>> columns_ = std::vector<std::vector<PDFEntry>>(1);
    double used_ = 0;
    double available_ = pdf::firstColumnHeight;
};

}  // namespace

std::vector<PDFPage> paginate(const std::vector<ShortcutGroup>& groups) {
    Paginator paginator;
    for (const ShortcutGroup& group : groups) {
        paginator.add(group);
    }
    return std::move(paginator).finish();
}

}  // namespace holdsheet
