// The operations on controls: texts, visibility and report lists.
#include <QLineEdit>
#include <QPushButton>

#include "app/label_widget.h"
#include "app/qt_text.h"
#include "app/report_list.h"
#include "app/toolkit.h"

namespace {

ReportListModel* listModelOf(Control list) {
  auto* view = qobject_cast<ReportListView*>(list.widget());
  return view != nullptr ? view->listModel() : nullptr;
}

}  // namespace

Text Control_GetText(Control c) {
  QWidget* widget = c.widget();
  if (auto* label = qobject_cast<LabelWidget*>(widget)) return fromQString(label->caption());
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return fromQString(edit->text());
  if (auto* button = qobject_cast<QPushButton*>(widget)) return fromQString(button->text());
  return {};
}

void Control_SetText(Control c, const Text& t) {
  QWidget* widget = c.widget();
  if (auto* label = qobject_cast<LabelWidget*>(widget)) {
    label->setCaption(toQString(t));
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(toQString(t));
  } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
    button->setText(toQString(t));
  }
}

void Control_SetVisible(Control c, bool visible) {
  if (QWidget* widget = c.widget()) widget->setVisible(visible);
}

void Control_SetVisible(WindowDef& w, bool visible) {
  if (QWidget* widget = w.widget()) widget->setVisible(visible);
}

void List_Clear(Control list) {
  if (ReportListModel* model = listModelOf(list)) model->clear();
}

std::int64_t List_AppendLine(Control list) {
  ReportListModel* model = listModelOf(list);
  return model != nullptr ? model->appendLine() : -1;
}

void List_SetCell(Control list, std::int64_t line, std::int64_t column, const Text& t) {
  if (ReportListModel* model = listModelOf(list)) model->setCell(line, column, t);
}

Text List_GetCell(Control list, std::int64_t line, std::int64_t column) {
  ReportListModel* model = listModelOf(list);
  return model != nullptr ? model->cell(line, column) : Text();
}

std::int64_t List_Selection(Control list) {
  auto* view = qobject_cast<ReportListView*>(list.widget());
  if (view == nullptr || view->selectionModel() == nullptr) return -1;
  QModelIndexList rows = view->selectionModel()->selectedRows();
  if (rows.isEmpty()) return -1;
  int first = rows.front().row();
  for (const QModelIndex& row : rows) first = std::min(first, row.row());
  return first;
}
