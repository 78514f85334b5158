#pragma once
// The playlist editor's list: an owner-drawn view over the playlist model.
// It paints only the rows in view, in the skin's playlist colours and font,
// and keeps nothing per entry: the entries and their selected flags live in
// the model, the focused entry is the model's ItemIndex.
#include <QFont>
#include <QWidget>

#include <functional>

#include "playlist/PlayListDisplayOptions.h"

class PlayListModel;

class PlayListView : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kItemHeight = 15;

  PlayListView(PlayListModel& model, const GeneralFunctions::TPLDisplayOptions& options,
               QWidget* parent);

  // The first entry in view, and how many whole rows the view shows (at least one).
  int TopIndex() const { return top_; }
  int RowsInView() const;
  // Scrolls so that `index` is the first entry in view, as far as the list allows.
  void SetTopIndex(int index);
  // Makes `index` the focused entry and scrolls it into view; the selection stays.
  void MoveCaret(int index);
  // The entry under a point of the view, or -1 below the last entry.
  int IndexAt(QPoint at) const;
  // Repaint after the model changed; the view stays within the shorter list.
  void ModelChanged();

  // The entry a right-button drag started on, -1 when no drag is under way.
  int DragSourceIndex = -1;
  // The length of an entry's song in seconds (-1 unknown), drawn at the row's end.
  std::function<int(const QString& entry)> SongSeconds;

 signals:
  // Double click or Return: play the first selected entry.
  void PlayRequested();
  // Any mouse press on the list.
  void Pressed();
  void TopIndexChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The skin's list font, or a font this system has when it has not that one.
  const QFont& ListFont();
  // Focuses `index` and changes the selection as a click or key with these
  // modifiers does: none selects it alone, Shift selects from the anchor,
  // Ctrl adds it (toggles it on a click).
  void SelectWithModifiers(int index, Qt::KeyboardModifiers modifiers, bool toggle);
  int LastIndex() const;

  PlayListModel& model_;
  const GeneralFunctions::TPLDisplayOptions& options_;
  int top_ = 0;
  int anchor_ = 0;
  int wheelRemainder_ = 0;
  QString fontName_;
  QFont font_;
};
