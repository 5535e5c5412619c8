#include "app/report_list.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPointer>
#include <QStyledItemDelegate>

#include "app/qt_text.h"

namespace {

Qt::Alignment toQtAlignment(Align align) {
  return (align == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

const Text& emptyText() {
  static const Text empty;
  return empty;
}

}  // namespace

// Places the editor of a line's label over the whole visible line: column 0
// may be zero wide, and a view hides editors whose cell has no area.
class LineLabelDelegate : public QStyledItemDelegate {
 public:
  explicit LineLabelDelegate(QTableView* view) : QStyledItemDelegate(view), view_(view) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor_ = editor;
    row_ = QPersistentModelIndex(index);
    return editor;
  }

  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem&,
                            const QModelIndex& index) const override {
    editor->setGeometry(lineRect(index.row()));
  }

  // After the view has laid out its editors, the label editor is put back.
  void placeOpenEditor() const {
    if (editor_.isNull() || !row_.isValid()) return;
    editor_->setGeometry(lineRect(row_.row()));
    editor_->show();
  }

 private:
  QRect lineRect(int row) const {
    return QRect(0, view_->rowViewportPosition(row), view_->viewport()->width(),
                 view_->rowHeight(row));
  }

  QTableView* view_;
  mutable QPointer<QWidget> editor_;
  mutable QPersistentModelIndex row_;
};

ReportListModel::ReportListModel(QObject* parent, std::span<const ListColumnSpec> columns)
    : QAbstractTableModel(parent), columns_(columns) {}

int ReportListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : shownLines_;
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !inRange(index.row(), index.column())) return {};
  if (role == Qt::DisplayRole || role == Qt::EditRole) {
    return toQString(cell(index.row(), index.column()));
  }
  if (role == Qt::TextAlignmentRole) {
    return QVariant::fromValue(toQtAlignment(columns_[std::size_t(index.column())].align));
  }
  return {};
}

bool ReportListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid()) return false;
  setCell(index.row(), index.column(), fromQString(value.toString()));
  emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const ListColumnSpec& column = columns_[std::size_t(section)];
  if (role == Qt::DisplayRole) {
    return column.title != nullptr ? QString::fromUtf8(column.title) : QString();
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(toQtAlignment(column.align));
  return {};
}

Qt::ItemFlags ReportListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (index.column() == 0) flags |= Qt::ItemIsEditable;
  return flags;
}

void ReportListModel::clear() {
  if (cells_.empty()) return;
  beginResetModel();
  cells_.clear();
  cells_.shrink_to_fit();
  shownLines_ = 0;
  changedCells_ = false;
  endResetModel();
}

void ReportListModel::scheduleUpdate() {
  if (updateScheduled_) return;
  updateScheduled_ = true;
  QMetaObject::invokeMethod(this, &ReportListModel::updateViews, Qt::QueuedConnection);
}

void ReportListModel::updateViews() {
  updateScheduled_ = false;
  int shownBefore = shownLines_;
  if (changedCells_ && shownBefore > 0) {
    changedCells_ = false;
    emit dataChanged(index(0, 0), index(shownBefore - 1, columnCount() - 1),
                     {Qt::DisplayRole, Qt::EditRole});
  }
  int lines = static_cast<int>(lineCount());
  if (lines > shownBefore) {
    beginInsertRows({}, shownBefore, lines - 1);
    shownLines_ = lines;
    endInsertRows();
  }
}

std::int64_t ReportListModel::appendLine() {
  if (lineCount() >= std::numeric_limits<int>::max() || columns_.empty()) return -1;
  int row = static_cast<int>(lineCount());
  cells_.resize(cells_.size() + columns_.size());
  scheduleUpdate();
  return row;
}

bool ReportListModel::inRange(std::int64_t line, std::int64_t column) const {
  return line >= 0 && line < lineCount() && column >= 0 &&
         column < static_cast<std::int64_t>(columns_.size());
}

void ReportListModel::setCell(std::int64_t line, std::int64_t column, const Text& t) {
  if (!inRange(line, column)) return;
  cells_[cellIndex(line, column)] = t;
  if (line < shownLines_) changedCells_ = true;
  scheduleUpdate();
}

const Text& ReportListModel::cell(std::int64_t line, std::int64_t column) const {
  if (!inRange(line, column)) return emptyText();
  return cells_[cellIndex(line, column)];
}

ReportListView::ReportListView(QWidget* parent, std::span<const ListColumnSpec> columns)
    : QTableView(parent), model_(new ReportListModel(this, columns)) {
  setModel(model_);
  labelDelegate_ = new LineLabelDelegate(this);
  setItemDelegateForColumn(0, labelDelegate_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setShowGrid(true);
  setSortingEnabled(false);
  setWordWrap(false);
  setTextElideMode(Qt::ElideRight);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(false);
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(0);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    header->resizeSection(static_cast<int>(i), columns[i].width);
  }
  // The highlight of the selected line is not shown while the list has no focus.
  QPalette colours = palette();
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Base));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Text));
  setPalette(colours);
}

bool ReportListView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  // Any edit gesture on a line edits the line's label, its column 0.
  QModelIndex label = index.isValid() ? index.siblingAtColumn(0) : index;
  return QTableView::edit(label, trigger, event);
}

void ReportListView::updateEditorGeometries() {
  QTableView::updateEditorGeometries();
  if (labelDelegate_ != nullptr) labelDelegate_->placeOpenEditor();
}

void ReportListView::mouseDoubleClickEvent(QMouseEvent* event) {
  QTableView::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && doubleClickHandler_) doubleClickHandler_();
}
