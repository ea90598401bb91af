#ifndef KIN_TESTMENUS_H
#define KIN_TESTMENUS_H

#include "KIN_QtPrint.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>

// Texts of a window's menu bar: each top-level action, and "title/entry" for menu entries
// ("-" for a separator).
inline QStringList KIN_MenuTexts(const QMainWindow& window)
{
    QStringList texts;
    for (QAction* pQAction : window.menuBar()->actions())
    {
        texts << pQAction->text();
        if (QMenu* pQMenu = pQAction->menu())
            for (QAction* pQEntry : pQMenu->actions())
                texts << pQAction->text() + QLatin1Char('/') +
                             (pQEntry->isSeparator() ? QStringLiteral("-") : pQEntry->text());
    }
    return texts;
}

inline QAction* KIN_FindMenuAction(const QMainWindow& window, const QString& path)
{
    for (QAction* pQAction : window.menuBar()->actions())
    {
        if (pQAction->text() == path)
            return pQAction;
        if (QMenu* pQMenu = pQAction->menu())
            for (QAction* pQEntry : pQMenu->actions())
                if (pQAction->text() + QLatin1Char('/') + pQEntry->text() == path)
                    return pQEntry;
    }
    return nullptr;
}

#endif
