// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/picture/MediaWnd.h"

#include "link/FileKind.h"
#include "link/MessageBox.h"
#include "link/Messages.h"
#include "link/SharedState.h"
#include "link/Translated.h"
#include "stores/common/MediaData.h"
#include "ui/CommandMessage.h"
#include "ui/HeaderBar.h"
#include "ui/Mnemonics.h"
#include "ui/TaskPane.h"
#include "ui/Tile.h"
#include "views/common/ViewFrame.h"

#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include <algorithm>

namespace orrin {
namespace {

const QString kOperationGroup = QStringLiteral(QT_TRANSLATE_NOOP("CTaskPane", "Operation"));

QString ChooseFolderByDialog(QWidget *owner, const QString &title)
{
    return QFileDialog::getExistingDirectory(owner, title, QString(), QFileDialog::ShowDirsOnly);
}

} // namespace

std::optional<QByteArray> ReadLocalFile(const QString &path, qint64 maxBytes)
{
    if (KindOfFile(path) != FileKind::Regular)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

QStringList ScanFolder(const QString &folder, const QString &pattern)
{
    QStringList paths;
    QDirIterator it(folder, {pattern}, QDir::Files | QDir::Hidden);
    while (paths.size() < kMaxLocalFiles && it.hasNext())
        paths << it.next();
    std::sort(paths.begin(), paths.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return paths;
}

CMediaGrid::CMediaGrid(const TileGridStyle &style, CMediaWnd &view) : CTileGrid(style, &view), m_view(view) {}

void CMediaGrid::MakeTiles()
{
    m_view.MakeTiles(*this);
}

void CMediaGrid::OnClick(CTile *clicked, Qt::MouseButton button, const QPoint &globalPos)
{
    m_view.OnGridClick(clicked, button, globalPos);
}

CMediaWnd::CMediaWnd(const MediaViewLook &look, const TileGridStyle &style, CMediaData &store, QWidget *parent)
    : CDataView(parent),
      m_look(look),
      m_store(store),
      m_pTaskPane(new CTaskPane(this)),
      m_pHeader(new CHeaderBar(Translated("orrin::CMediaWnd", look.initialTitle), this)),
      m_pGrid(new CMediaGrid(style, *this)),
      m_chooseFolder(ChooseFolderByDialog),
      m_readFile(ReadLocalFile),
      m_strTitle(Translated("orrin::CMediaWnd", look.initialTitle))
{
    RegisterMenu(look.menu);
    m_pTaskPane->LoadMenu(look.menu.id);
    m_pHeader->SetTextColour(Qt::white);
}

void CMediaWnd::resizeEvent(QResizeEvent *event)
{
    CDataView::resizeEvent(event);
    LayOutViewFrame(*this, *m_pTaskPane, *m_pHeader, *m_pGrid);
}

void CMediaWnd::OnMessage(int message, int)
{
    if (message == m_look.doneMessage)
        OnDone();
    else if (message == m_look.uploadedMessage)
        OnUploaded();
}

bool CMediaWnd::PhoneReady() const
{
    if (!g_bConnected.load()) {
        PostMessageTo(g_hMainWnd.Get(), WM_LINK_RESULT, kLinkNotConnected);
        return false;
    }
    return !g_bBusy.load();
}

void CMediaWnd::ReadFromPhone(int selector, const QString &waitText)
{
    const bool begun = BeginCommand({.code = kMediaRead, .waitText = waitText}, [this, selector] {
        g_nMemory.store(kPhoneMemory);
        m_store.m_nSelector = selector;
    });
    if (begun)
        SetTitle(Translated("orrin::CMediaWnd", m_look.phoneTitle));
}

// The scan changes what the grid shows and the memory the store reads, so it
// waits for a running operation like any other command.
void CMediaWnd::ReadFromLocal()
{
    if (g_bBusy.load())
        return;
    const QString folder = m_chooseFolder(this, Translated("orrin::CMediaWnd", m_look.folderPrompt));
    if (folder.isEmpty() || g_bBusy.load())
        return;
    m_localPaths = ScanFolder(folder, m_look.pattern);
    m_localNames.clear();
    for (const QString &path : std::as_const(m_localPaths))
        m_localNames << QFileInfo(path).fileName();
    g_nMemory.store(kLocalFile);
    SendMessageTo(this, m_look.doneMessage);
    SetTitle(Translated("orrin::CMediaWnd", m_look.localTitle));
}

void CMediaWnd::UploadSelected()
{
    const int index = m_pGrid->SelectedIndex();
    if (!ShowsLocal() || index < 0 || index >= m_localPaths.size())
        return;
    BeginCommand({.code = kMediaUpload, .waitText = tr("Copying file to phone")}, [this, index] {
        m_store.m_strLocalPath = m_localPaths[index];
        m_store.m_strFileName = m_localNames[index];
    });
}

void CMediaWnd::Begin(int code, const QString &waitText)
{
    BeginCommand({.code = code, .waitText = waitText});
}

bool CMediaWnd::ShowsLocal() const
{
    return m_nShownMemory == kLocalFile;
}

bool CMediaWnd::ShowsPhone() const
{
    return m_nShownMemory == kPhoneMemory;
}

std::optional<QByteArray> CMediaWnd::ReadSelectedFile(qint64 maxBytes) const
{
    const int index = m_pGrid->SelectedIndex();
    if (!ShowsLocal() || index < 0 || index >= m_localPaths.size())
        return std::nullopt;
    return m_readFile(m_localPaths[index], maxBytes);
}

void CMediaWnd::MakeTiles(CMediaGrid &grid)
{
    BeforeRebuild();
    if (g_nMemory.load() == kPhoneMemory)
        MakePhoneTiles(grid);
    else if (g_nMemory.load() == kLocalFile)
        MakeLocalTiles(grid);
}

// Only the memories the grid can show rebuild it; the operation is over
// either way.
void CMediaWnd::OnDone()
{
    m_nShownMemory = g_nMemory.load();
    if (ShowsPhone() || ShowsLocal()) {
        SendMessageTo(m_pGrid, m_look.doneMessage);
        SetTitle(Translated("orrin::CMediaWnd", ShowsPhone() ? m_look.phoneTitle : m_look.localTitle));
    }
    m_pTaskPane->RemoveGroup(1);
    EndCommand();
}

void CMediaWnd::OnUploaded()
{
    EndCommand();
    MessageBox(this, UploadedMessage());
}

void CMediaWnd::SetTitle(const QString &title)
{
    m_strTitle = title;
    m_pHeader->SetTitle(title);
}

void CMediaWnd::RebuildOperationGroup(const QList<MenuItem> &items)
{
    m_pTaskPane->RemoveGroup(1);
    if (items.isEmpty())
        return;
    const int group = m_pTaskPane->AddGroup(kOperationGroup);
    for (const MenuItem &item : items)
        m_pTaskPane->AddLink(group, item.text, item.commandId);
}

void CMediaWnd::OnGridClick(CTile *clicked, Qt::MouseButton button, const QPoint &globalPos)
{
    const QList<MenuItem> items = TileOperations(clicked ? m_pGrid->SelectedIndex() : -1);
    RebuildOperationGroup(items);
    AfterClick(clicked);
    if (button != Qt::RightButton || items.isEmpty())
        return;
    if (const int chosen = RunItemMenu(this, items, globalPos))
        PostCommand(chosen);
}

} // namespace orrin
