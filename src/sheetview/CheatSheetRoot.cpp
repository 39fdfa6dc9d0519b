#include "sheetview/CheatSheetRoot.h"

#include "panel/SheetModel.h"
#include "prefs/Localization.h"
#include "prefs/Preferences.h"
#include "sheetview/ExtensionNotice.h"
#include "sheetview/FooterBar.h"
#include "sheetview/HeaderBar.h"
#include "sheetview/ReasonLine.h"
#include "sheetview/SearchField.h"
#include "sheetview/SheetContent.h"
#include "sheetview/SheetLayout.h"
#include "ui/SheetStyle.h"

#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

namespace holdsheet {

namespace {
// The platform's thin divider line, at the root's opacity.
class Divider : public QWidget {
  public:
    explicit Divider(QWidget* parent) : QWidget(parent) { setFixedHeight(1); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(
            rect(), withOpacity(primaryText(palette()), 0.25 * CheatSheetRoot::dividerOpacity));
    }
};
}  // namespace

// The backdrop's outline, drawn over the content and never in the way of the pointer.
class CheatSheetRoot::Outline : public QWidget {
  public:
    explicit Outline(CheatSheetRoot& root) : QWidget(&root), root_(root) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        root_.background().paintOver(painter, QRectF(rect()), palette());
    }

  private:
    const CheatSheetRoot& root_;
};

CheatSheetRoot::CheatSheetRoot(SheetModel& model, SheetServices services, bool translucent,
                               QWidget* parent)
    : QWidget(parent), model_(model), services_(std::move(services)), translucent_(translucent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    outline_ = new Outline(*this);
    build();
    subscription_ = services_.store.observe([this] { preferencesChanged(); });
}

CheatSheetRoot::~CheatSheetRoot() = default;

QLineEdit* CheatSheetRoot::searchField() const {
    return header_ ? header_->searchField()->lineEdit() : nullptr;
}

PanelBackground CheatSheetRoot::background() const {
    return PanelBackground(material_, glassAmount_, isDarkPalette(palette()), cornerRadius);
}

void CheatSheetRoot::preferencesChanged() {
    const Preferences preferences(services_.store);
    if (preferences.textSize() != textSize_ || preferences.language() != language_) {
        build();
    }
    material_ = preferences.material();
    glassAmount_ = preferences.glassAmount();
    update();
    outline_->update();
}

void CheatSheetRoot::build() {
    const Preferences preferences(services_.store);
    textSize_ = preferences.textSize();
    language_ = preferences.language();
    material_ = preferences.material();
    glassAmount_ = preferences.glassAmount();
    scale_ = textSizeFactor(textSize_);
    setLayoutDirection(services_.localization.layoutDirection());

    const bool hadFocus = searchField() && searchField()->hasFocus();
    delete body_;  // nothing of the old tree survives but the model
    body_ = new QWidget(this);
    auto* stack = new QVBoxLayout(body_);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    header_ = new HeaderBar(model_, services_.localization, scale_, body_);
    content_ = new SheetContent(model_, services_, scale_, body_);
    footer_ = new FooterBar(services_.localization, scale_, services_.openShareMenu,
                            services_.openProgramMenu, body_);
    stack->addWidget(header_);
    reasonLine_ = new ReasonLine(model_, services_.localization, scale_, body_);
    stack->addWidget(reasonLine_);
    extensionNotice_ =
        new ExtensionNotice(services_.extension, services_.localization, scale_, body_);
    stack->addWidget(extensionNotice_);
    stack->addWidget(new Divider(body_));
    stack->addWidget(content_, 1);
    stack->addWidget(new Divider(body_));
    stack->addWidget(footer_);
    layout()->addWidget(body_);
    body_->show();
    outline_->raise();
    if (hadFocus) {
        searchField()->setFocus();
    }
}

void CheatSheetRoot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    background().paintBehind(painter, QRectF(rect()), palette(), !translucent_);
}

void CheatSheetRoot::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    outline_->setGeometry(rect());
}

}  // namespace holdsheet
