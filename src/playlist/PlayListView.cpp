#include "PlayListView.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

#include "playlist/PlayListModel.h"
#include "playlist/SongFacts.h"
#include "skins/SkinTextFiles.h"

namespace {

// The list is never wider than a few thousand pixels; cutting longer texts
// first keeps a pathological entry (a path of many thousand characters)
// from costing a full text layout on every paint.
constexpr int kMaxDrawnCharacters = 1024;
constexpr int kFontPixelSize = 11;
constexpr int kWheelRowsPerNotch = 3;
constexpr int kWheelNotch = 120;
// Pixels between the length and the row's right edge, and between the text and the length.
constexpr int kLengthMargin = 3;
constexpr int kLengthGap = 6;

QString AvailableFamily(const QString& wanted) {
  if (QFontDatabase::hasFamily(wanted)) return wanted;
  const QString fallback = QStringLiteral("DejaVu Sans");
  if (QFontDatabase::hasFamily(fallback)) return fallback;
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

PlayListView::PlayListView(PlayListModel& model, const GeneralFunctions::TPLDisplayOptions& options,
                           QWidget* parent)
    : QWidget(parent), model_(model), options_(options) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

int PlayListView::LastIndex() const { return model_.TotalFiles() - 1; }

int PlayListView::RowsInView() const { return std::max(1, height() / kItemHeight); }

void PlayListView::SetTopIndex(int index) {
  const int top = std::clamp(index, 0, std::max(0, model_.TotalFiles() - RowsInView()));
  if (top == top_) return;
  top_ = top;
  update();
  emit TopIndexChanged();
}

void PlayListView::MoveCaret(int index) {
  if (index < 0 || index > LastIndex()) return;
  model_.ItemIndex = index;
  if (index < top_) {
    SetTopIndex(index);
  } else if (index >= top_ + RowsInView()) {
    SetTopIndex(index - RowsInView() + 1);
  }
  update();
}

int PlayListView::IndexAt(QPoint at) const {
  if (at.y() < 0) return -1;
  const int index = top_ + at.y() / kItemHeight;
  return index <= LastIndex() ? index : -1;
}

void PlayListView::ModelChanged() {
  SetTopIndex(top_);
  update();
}

const QFont& PlayListView::ListFont() {
  const QString& name = SkinUnit::PlaylistColours.FontName;
  if (name != fontName_ || fontName_.isNull()) {
    fontName_ = name;
    font_ = QFont(AvailableFamily(name));
    font_.setPixelSize(kFontPixelSize);
  }
  return font_;
}

void PlayListView::paintEvent(QPaintEvent*) {
  const SkinUnit::PlaylistColourSettings& colours = SkinUnit::PlaylistColours;
  QPainter painter(this);
  painter.fillRect(rect(), colours.NormalBG);
  painter.setFont(ListFont());
  const int end = std::min(model_.TotalFiles(), top_ + height() / kItemHeight + 1);
  for (int i = top_; i < end; ++i) {
    const QRect row(0, (i - top_) * kItemHeight, width(), kItemHeight);
    if (model_.IsSelected(i)) painter.fillRect(row, colours.SelectedBG);
    painter.setPen(i == model_.CurrentSongIndex ? colours.Current : colours.Normal);
    const QString& entry = model_.Entry(i);
    // The song's place in the queue and its length, right-aligned; the text is cut before them.
    QString length = SongSeconds ? SongFacts::LengthText(SongSeconds(entry)) : QString();
    if (const int place = model_.QueuePlace(i); place > 0)
      length = QStringLiteral("[%1]").arg(place) + (length.isEmpty() ? QString() : ' ' + length);
    QRect textRect = row.adjusted(2, 2, 0, 0);
    if (!length.isEmpty()) {
      const QRect lengthRect = row.adjusted(0, 2, -kLengthMargin, 0);
      painter.drawText(lengthRect, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, length);
      textRect.setRight(lengthRect.right() - painter.fontMetrics().horizontalAdvance(length) - kLengthGap);
    }
    const QString text = GeneralFunctions::DisplayTextOfEntry(entry, i, options_);
    painter.save();
    painter.setClipRect(textRect.adjusted(0, -2, 0, 0));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text.left(kMaxDrawnCharacters));
    painter.restore();
    if (i == model_.ItemIndex && hasFocus()) {
      painter.setPen(QPen(colours.Normal, 1, Qt::DotLine));
      painter.drawRect(row.adjusted(0, 0, -1, -1));
    }
  }
}

void PlayListView::resizeEvent(QResizeEvent*) { SetTopIndex(top_); }

void PlayListView::SelectWithModifiers(int index, Qt::KeyboardModifiers modifiers, bool toggle) {
  if (modifiers & Qt::ShiftModifier) {
    model_.SelectRange(anchor_, index, modifiers & Qt::ControlModifier);
  } else if (modifiers & Qt::ControlModifier) {
    model_.SetSelected(index, toggle ? !model_.IsSelected(index) : true);
    anchor_ = index;
  } else {
    model_.SelectRange(index, index, false);
    anchor_ = index;
  }
  MoveCaret(index);
}

void PlayListView::mousePressEvent(QMouseEvent* event) {
  emit Pressed();
  const int index = IndexAt(event->position().toPoint());
  DragSourceIndex = event->button() == Qt::RightButton ? index : -1;
  if (event->button() == Qt::LeftButton && index >= 0)
    SelectWithModifiers(index, event->modifiers(), true);
}

void PlayListView::mouseMoveEvent(QMouseEvent* event) {
  if (!event->buttons().testFlag(Qt::LeftButton)) return;
  const int index = IndexAt(event->position().toPoint());
  if (index < 0) return;
  model_.SelectRange(anchor_, index, event->modifiers() & Qt::ControlModifier);
  MoveCaret(index);
}

// A right-button release moves the entry the press was on to the row under
// the pointer; past the end of the list that is the last entry.
void PlayListView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton || DragSourceIndex < 0) return;
  const int row = static_cast<int>(std::floor(event->position().y() / kItemHeight));
  const int target = std::clamp(top_ + row, 0, LastIndex());
  model_.MoveEntry(DragSourceIndex, target);
  DragSourceIndex = -1;
}

// The second press of a double click arrives here instead of as a press.
void PlayListView::mouseDoubleClickEvent(QMouseEvent* event) {
  const int index = IndexAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || index < 0) {
    mousePressEvent(event);
    return;
  }
  if (!model_.IsSelected(index)) SelectWithModifiers(index, event->modifiers(), false);
  emit PlayRequested();
}

void PlayListView::wheelEvent(QWheelEvent* event) {
  wheelRemainder_ += event->angleDelta().y();
  const int notches = wheelRemainder_ / kWheelNotch;
  wheelRemainder_ -= notches * kWheelNotch;
  SetTopIndex(top_ - notches * kWheelRowsPerNotch);
  event->accept();
}

void PlayListView::keyPressEvent(QKeyEvent* event) {
  const int caret = model_.ItemIndex;
  int target = 0;
  switch (event->key()) {
    case Qt::Key_Up: target = caret - 1; break;
    case Qt::Key_Down: target = caret + 1; break;
    case Qt::Key_PageUp: target = caret - RowsInView(); break;
    case Qt::Key_PageDown: target = std::max(caret, 0) + RowsInView(); break;
    case Qt::Key_Home: target = 0; break;
    case Qt::Key_End: target = LastIndex(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit PlayRequested();
      return;
    case Qt::Key_Delete:
      model_.DeleteSelectedItems();
      return;
    case Qt::Key_A:
      if (event->modifiers() & Qt::ControlModifier) {
        model_.SelectAllItems();
        return;
      }
      [[fallthrough]];
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  if (LastIndex() < 0) return;
  SelectWithModifiers(std::clamp(target, 0, LastIndex()), event->modifiers(), false);
}
