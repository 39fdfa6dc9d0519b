#pragma once

#include <QFont>

#include <initializer_list>

class QLabel;
class QWidget;

namespace holdsheet {

inline constexpr int noticePadding = 30;

QFont headlineFont();
QFont calloutFont();

// A notice's stack: centred in its area with `noticePadding` all round, the parts one under
// the other; its texts wrap, lines centred, within `bodyWidth`. It is as tall as its wrapped
// texts need at a width (heightForWidth).
void layOutNotice(QWidget& notice, std::initializer_list<QWidget*> parts, int spacing,
                  int bodyWidth);

}  // namespace holdsheet
