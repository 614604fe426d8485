// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the picture and the ringtone view share: the task pane with its
// operation group, the header with the view's title, the tile grid showing
// either the phone's slots or the files of a local folder, the folder choice
// and its bounded scan, and the hand-over of the phone operations to the
// view's media store. Each view adds its tiles, its commands and the
// operations a selected tile offers.

#include "ui/MenuResource.h"
#include "ui/TileGrid.h"
#include "views/common/DataView.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace orrin {

class CHeaderBar;
class CMediaData;
class CMediaWnd;
class CTaskPane;
class CTile;

// The most files a folder scan lists; a folder holds few pictures or tones.
inline constexpr int kMaxLocalFiles = 10000;

// The bytes of a local file, at most maxBytes + 1 of them, so a caller sees
// that a file is too long without reading all of it. Nothing for a file that
// is not a regular file or cannot be read.
std::optional<QByteArray> ReadLocalFile(const QString &path, qint64 maxBytes);

// The files of folder whose names match pattern (without regard to case),
// sorted by name, at most kMaxLocalFiles of them; full paths.
QStringList ScanFolder(const QString &folder, const QString &pattern);

// The grid of a media view: its tiles and its reaction to clicks are the view's.
class CMediaGrid : public CTileGrid {
    Q_OBJECT
public:
    CMediaGrid(const TileGridStyle &style, CMediaWnd &view);
    void Add(CTile *tile) { AddTile(tile); }

protected:
    void MakeTiles() override;
    void OnClick(CTile *clicked, Qt::MouseButton button, const QPoint &globalPos) override;

private:
    CMediaWnd &m_view;
};

// What tells the two media views apart besides their tiles and commands.
struct MediaViewLook {
    // The texts are source texts of CMediaWnd, shown translated.
    MenuResource menu;    // of the task pane
    QString initialTitle; // "Picture"
    QString phoneTitle;   // "Phone Picture"
    QString localTitle;   // "Local Picture"
    QString folderPrompt; // "Please select a BMP picture folder"
    QString pattern;      // "*.bmp"
    int doneMessage;
    int uploadedMessage;
};

class CMediaWnd : public CDataView {
    Q_OBJECT
public:
    // Asks for a folder; empty when cancelled.
    using FolderChooser = std::function<QString(QWidget *owner, const QString &title)>;
    using FileReader = std::function<std::optional<QByteArray>(const QString &path, qint64 maxBytes)>;

    void SetFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    // How local files are read; ReadLocalFile unless a test counts the reads.
    void SetFileReader(FileReader reader) { m_readFile = std::move(reader); }

    CMediaGrid *Grid() const { return m_pGrid; }
    QStringList LocalPaths() const { return m_localPaths; }
    QStringList LocalNames() const { return m_localNames; }

protected:
    CTaskPane *TaskPane() const { return m_pTaskPane; }
    // The view class names its store itself (RegisterStore): the class is not
    // known yet while this constructor runs.
    CMediaWnd(const MediaViewLook &look, const TileGridStyle &style, CMediaData &store, QWidget *parent);

    // The tiles of what g_nMemory names: the phone's slots (1) or the local files (3).
    virtual void MakePhoneTiles(CMediaGrid &grid) = 0;
    virtual void MakeLocalTiles(CMediaGrid &grid) = 0;
    // The operations a click on the tile at index offers (none for a click on
    // empty space, index -1), in the task pane and in the context menu.
    virtual QList<MenuItem> TileOperations(int index) const = 0;
    // After the selection has followed a click.
    virtual void AfterClick(CTile *) {}
    // Before the grid drops its tiles.
    virtual void BeforeRebuild() {}
    // "... was successfully uploaded to /<folder>."
    virtual QString UploadedMessage() const = 0;

    void OnMessage(int message, int wParam) override;
    void resizeEvent(QResizeEvent *event) override;

    // The common guard of the phone commands: the notice when no phone is
    // connected; false then, and while another operation runs.
    bool PhoneReady() const;
    void ReadFromPhone(int selector, const QString &waitText);
    void ReadFromLocal();
    void UploadSelected();
    // Hands a prepared store operation over.
    void Begin(int code, const QString &waitText);
    bool ShowsLocal() const;
    bool ShowsPhone() const;
    std::optional<QByteArray> ReadSelectedFile(qint64 maxBytes) const;
    const FileReader &Reader() const { return m_readFile; }

private:
    friend class CMediaGrid;
    void MakeTiles(CMediaGrid &grid);
    void OnGridClick(CTile *clicked, Qt::MouseButton button, const QPoint &globalPos);
    void OnDone();
    void OnUploaded();
    void SetTitle(const QString &title);
    void RebuildOperationGroup(const QList<MenuItem> &items);

    MediaViewLook m_look;
    CMediaData &m_store;
    CTaskPane *m_pTaskPane;
    CHeaderBar *m_pHeader;
    CMediaGrid *m_pGrid;
    QStringList m_localPaths;
    QStringList m_localNames;
    FolderChooser m_chooseFolder;
    FileReader m_readFile;
    QString m_strTitle;
    int m_nShownMemory = 0;
};

} // namespace orrin
