#include "widgets/folder_list.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

#include "core/folders/folder_lists.h"
#include "platform/services.h"
#include "core/general/general.h"

// ---- Drive_List ----

Drive_List::Drive_List(QWidget* parent) : QComboBox(parent) {
  setIconSize(QSize(16, 16));
  Refresh();
  connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

void Drive_List::Refresh() {
  const QSignalBlocker block(this);
  const QString chosen = currentText();
  clear();
  const QIcon icon = QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon);
  for (const QString& root : Platform::Services::Directories().Volumes()) addItem(icon, root);
  const int i = findText(chosen);
  if (i >= 0) setCurrentIndex(i);
}

bool Drive_List::Set_Drive(const QString& drive) {
  int i = findText(drive);
  if (i < 0) {
    Refresh();
    i = findText(drive);
  }
  if (i < 0) return false;
  setCurrentIndex(i);  // reports a change when it is another drive
  return true;
}

// ---- Folder_List ----

namespace {
constexpr int Path_Role = Qt::UserRole;
}

Folder_List::Folder_List(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setIndentation(10);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  header()->setStretchLastSection(true);
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (item) Set_Path(item->data(0, Path_Role).toString());
  });
}

void Folder_List::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->ignore();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

bool Folder_List::Set_Path(const QString& folder) {
  const QString clean = Folder_Lists::Full_Path(folder);
  if (clean.isEmpty()) return false;
  const Platform::Folder_Listing listing = Platform::Services::Directories().List_Folder(clean);
  if (!listing.ok) return false;
  const bool changed = clean != path_;
  path_ = clean;
  subfolders_ = Folder_Lists::Sub_Folders(listing.folders);
  for (QString& name : subfolders_) name = General::Join_Path(clean, name);
  files_ = listing.files;
  Fill();
  if (changed) emit Change();
  return true;
}

void Folder_List::Fill() {
  const QSignalBlocker block(this);
  clear();
  QStyle* style = QApplication::style();
  const QIcon open = style->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style->standardIcon(QStyle::SP_DirClosedIcon);

  // The way down from the root: "/", then each folder on the path.
  QStringList way;
  QString at = path_;
  for (;;) {
    way.prepend(at);
    if (General::Is_Drive_Root(at)) break;
    const QString up = General::GetFolder(at);
    if (up.isEmpty() || up == at) break;
    at = up;
  }
  QTreeWidgetItem* parent = nullptr;
  QTreeWidgetItem* current = nullptr;
  for (const QString& folder : way) {
    const QString name = General::Is_Drive_Root(folder) ? folder : QDir(folder).dirName();
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, name);
    item->setIcon(0, open);
    item->setData(0, Path_Role, folder);
    item->setToolTip(0, folder);
    item->setExpanded(true);
    parent = current = item;
  }
  QList<QTreeWidgetItem*> children;
  children.reserve(subfolders_.size());
  for (const QString& folder : subfolders_) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QDir(folder).dirName());
    item->setIcon(0, closed);
    item->setData(0, Path_Role, folder);
    children.push_back(item);
  }
  if (current) {
    current->addChildren(children);
    current->setExpanded(true);
    setCurrentItem(current);
    scrollToItem(current);
  }
}
