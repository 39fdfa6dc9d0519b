#pragma once

#include <QFont>

#include <initializer_list>

class QLabel;
class QWidget;

namespace holdsheet {

QFont headlineFont();
QFont calloutFont();

// A notice's stack: centred in its area with 30 points all round, the parts one under the
// other; its texts wrap, lines centred, within `bodyWidth`.
void layOutNotice(QWidget& notice, std::initializer_list<QWidget*> parts, int spacing,
                  int bodyWidth);

}  // namespace holdsheet
