#pragma once

// The check-list control on the desktop: its caption over a list with a check box per item,
// and a line to type a new item into, with Add and Remove. Every edit goes to the owner's
// callbacks; what the list shows comes only from ShowItems, so the layer stays the one
// holder of the items.

#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tessaly::desktop {

class CheckListWidget final : public QWidget {
 public:
  struct Edits {
    std::function<void(int index, int state)> setState;
    std::function<void(const QString& text, int state)> add;
    std::function<void(int index)> remove;
  };

  explicit CheckListWidget(QWidget* parent);

  void SetEdits(Edits edits) { m_edits = std::move(edits); }
  // Items as the layer holds them: UTF-8 text and state (16 checked, 0 unchecked, any other
  // value shown as partly checked).
  void ShowItems(const std::vector<std::pair<std::string, int>>& items);
  void ShowCaption(const QString& caption);

  // The part that stands for the inner list window.
  QWidget* ListArea() const;
  // Whether a key sent to `receiver` is the typing line's own (Return adds, Escape clears).
  bool IsTypingLine(const QObject* receiver) const;

  static constexpr int kChecked = 16;
  static constexpr int kUnchecked = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnItemChanged(QListWidgetItem* item);
  void AddTyped();
  void RemoveCurrent();

  Edits m_edits;
  QLabel* m_caption;
  QListWidget* m_list;
  QLineEdit* m_typing;
  QPushButton* m_add;
  QPushButton* m_remove;
};

}  // namespace tessaly::desktop
