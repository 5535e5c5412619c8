// The report list: a table of lines and columns with a header row.
//
// The cells are held as Text (code page 936) in a model of our own and
// turned into QString only when a cell is drawn, so filling thousands of
// lines costs no conversion. Views learn of new lines and changed cells once
// the GUI thread is free again, in one notice, as nothing repaints while a
// handler runs anyway; the list operations see every line at once. The view behaves as a report
// list:
// - one line selectable at a time, highlighted across its full width, the
//   highlight hidden while the list has no focus; grid lines;
// - a clickable header that sorts nothing;
// - the label of a line (column 0) is edited in place with F2 or by a slow
//   second click on the selected line; column 0 is zero wide in the search
//   window, so the editor spans the visible width of the line; every edit is
//   accepted;
// - a double-click anywhere in the list, below the last line too, runs the
//   bound handler.
#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "app/layout.h"
#include "text/text.h"

class ReportListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  ReportListModel(QObject* parent, std::span<const ListColumnSpec> columns);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  void clear();
  std::int64_t appendLine();
  // Out-of-range lines and columns are ignored / give the empty Text.
  void setCell(std::int64_t line, std::int64_t column, const Text& t);
  const Text& cell(std::int64_t line, std::int64_t column) const;
  std::int64_t lineCount() const {
    return columns_.empty() ? 0 : static_cast<std::int64_t>(cells_.size() / columns_.size());
  }

 private:
  bool inRange(std::int64_t line, std::int64_t column) const;
  void scheduleUpdate();
  void updateViews();

  std::size_t cellIndex(std::int64_t line, std::int64_t column) const {
    return static_cast<std::size_t>(line) * columns_.size() + static_cast<std::size_t>(column);
  }

  std::span<const ListColumnSpec> columns_;
  std::vector<Text> cells_;    // line by line, columns_.size() cells each
  int shownLines_ = 0;         // the lines the views know of, the first of the lines
  bool changedCells_ = false;  // a cell of a shown line changed since the last notice
  bool updateScheduled_ = false;
};

class ReportListView : public QTableView {
  Q_OBJECT

 public:
  ReportListView(QWidget* parent, std::span<const ListColumnSpec> columns);

  ReportListModel* listModel() const { return model_; }
  void setDoubleClickHandler(std::function<void()> handler) {
    doubleClickHandler_ = std::move(handler);
  }

 protected:
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void updateEditorGeometries() override;

 private:
  ReportListModel* model_;
  class LineLabelDelegate* labelDelegate_ = nullptr;
  std::function<void()> doubleClickHandler_;
};
