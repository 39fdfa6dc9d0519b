#pragma once

// The measures of an exported page, in points. Pagination counts fixed line heights and the
// page view draws every entry at exactly these heights, so the two never disagree about what
// fits in a column.
namespace holdsheet::pdf {

// Landscape A4.
inline constexpr double pageWidth = 841.89;
inline constexpr double pageHeight = 595.28;
inline constexpr double margin = 34;

inline constexpr double firstHeaderHeight = 76;
inline constexpr double laterHeaderHeight = 34;
inline constexpr double footerHeight = 26;

inline constexpr double headerEntryHeight = 28;
inline constexpr double rowEntryHeight = 14;

inline constexpr int columnsPerPage = 3;
inline constexpr double columnSpacing = 22;
inline constexpr double columnWidth =
    (pageWidth - 2 * margin - (columnsPerPage - 1) * columnSpacing) / columnsPerPage;

inline constexpr double firstColumnHeight =
    pageHeight - 2 * margin - firstHeaderHeight - footerHeight;  // 425.28
inline constexpr double laterColumnHeight =
    pageHeight - 2 * margin - laterHeaderHeight - footerHeight;  // 467.28

}  // namespace holdsheet::pdf
