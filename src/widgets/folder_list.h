// The drive list and the folder list of the windows that pick a folder (the set-up window and the
// maker). The drive list offers the mounted volumes; the folder list shows the way from the root
// down to its current folder, opened, and the current folder's subfolders below it, like a folder
// tree. Double-clicking a folder makes it the current folder; Enter is left to the window. Both report a change
// of their value, by the user or by the program, and read the disk through the directory seam.
#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <QTreeWidget>

class Drive_List : public QComboBox {
  Q_OBJECT
 public:
  explicit Drive_List(QWidget* parent);
  // The chosen drive: a volume's root path.
  QString Drive() const { return currentText(); }
  // Chooses a drive of the list (reporting a change when it is another drive); false when it is
  // not in the list.
  bool Set_Drive(const QString& drive);
  // Reads the volumes again.
  void Refresh();

 signals:
  void Change();
};

class Folder_List : public QTreeWidget {
  Q_OBJECT
 public:
  explicit Folder_List(QWidget* parent);
  // The current folder, a full path.
  QString Path() const { return path_; }
  // Makes `folder` the current folder (reporting a change when it differs); false, and nothing
  // changes, when it is not a folder that can be read.
  bool Set_Path(const QString& folder);
  // The current folder's subfolders (full paths, in the list's order) and its files as listed.
  const QStringList& Sub_Folders() const { return subfolders_; }
  const QStringList& Files() const { return files_; }

 signals:
  void Change();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Fill();
  QString path_;
  QStringList subfolders_;
  QStringList files_;
};
