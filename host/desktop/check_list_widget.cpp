#include "host/desktop/check_list_widget.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tessaly::desktop {

namespace {

constexpr int kStateRole = Qt::UserRole + 1;

Qt::CheckState Shown(int state) {
  if (state == CheckListWidget::kChecked) return Qt::Checked;
  if (state == CheckListWidget::kUnchecked) return Qt::Unchecked;
  return Qt::PartiallyChecked;
}

}  // namespace

CheckListWidget::CheckListWidget(QWidget* parent)
    : QWidget(parent),
      m_caption(new QLabel(this)),
      m_list(new QListWidget(this)),
      m_typing(new QLineEdit(this)),
      m_add(new QPushButton(QStringLiteral("Add"), this)),
      m_remove(new QPushButton(QStringLiteral("Remove"), this)) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  m_caption->setContentsMargins(2, 0, 2, 0);
  m_caption->setAutoFillBackground(true);
  m_caption->setBackgroundRole(QPalette::Button);
  column->addWidget(m_caption);
  column->addWidget(m_list, 1);
  auto* row = new QHBoxLayout;
  row->setSpacing(2);
  m_typing->setPlaceholderText(QStringLiteral("New content type"));
  row->addWidget(m_typing, 1);
  row->addWidget(m_add);
  row->addWidget(m_remove);
  column->addLayout(row);
  m_caption->hide();

  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->installEventFilter(this);
  m_typing->installEventFilter(this);
  connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) { OnItemChanged(item); });
  connect(m_typing, &QLineEdit::returnPressed, this, [this] { AddTyped(); });
  connect(m_add, &QPushButton::clicked, this, [this] { AddTyped(); });
  connect(m_remove, &QPushButton::clicked, this, [this] { RemoveCurrent(); });
}

// Items are changed in place: a check box the user just clicked is never deleted under the
// list's own signal.
void CheckListWidget::ShowItems(const std::vector<std::pair<std::string, int>>& items) {
  const QSignalBlocker blocker(m_list);
  const auto count = static_cast<int>(items.size());
  while (m_list->count() > count) delete m_list->takeItem(m_list->count() - 1);
  while (m_list->count() < count) {
    auto* item = new QListWidgetItem(m_list);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  }
  for (int index = 0; index < count; ++index) {
    const auto& [text, state] = items[static_cast<std::size_t>(index)];
    QListWidgetItem* item = m_list->item(index);
    item->setText(QString::fromUtf8(text.c_str()));
    item->setCheckState(Shown(state));
    item->setData(kStateRole, state);
  }
  m_remove->setEnabled(count > 0);
}

void CheckListWidget::ShowCaption(const QString& caption) {
  m_caption->setText(caption);
  m_caption->setVisible(!caption.isEmpty());
}

QWidget* CheckListWidget::ListArea() const { return m_list; }

bool CheckListWidget::IsTypingLine(const QObject* receiver) const { return receiver == m_typing; }

bool CheckListWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (watched == m_list && key == Qt::Key_Delete) {
    RemoveCurrent();
    return true;
  }
  if (watched == m_typing && key == Qt::Key_Escape && !m_typing->text().isEmpty()) {
    m_typing->clear();
    return true;
  }
  return false;
}

void CheckListWidget::OnItemChanged(QListWidgetItem* item) {
  const int index = m_list->row(item);
  const int state = item->checkState() == Qt::Checked ? kChecked : kUnchecked;
  if (m_edits.setState && state != item->data(kStateRole).toInt()) m_edits.setState(index, state);
}

void CheckListWidget::AddTyped() {
  const QString text = m_typing->text().trimmed();
  if (text.isEmpty() || !m_edits.add) return;
  m_typing->clear();
  m_edits.add(text, kChecked);
  m_list->setCurrentRow(m_list->count() - 1);
}

void CheckListWidget::RemoveCurrent() {
  const int index = m_list->currentRow();
  if (index >= 0 && m_edits.remove) m_edits.remove(index);
}

}  // namespace tessaly::desktop
