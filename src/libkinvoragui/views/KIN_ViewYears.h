#ifndef KIN_VIEWYEARS_H
#define KIN_VIEWYEARS_H

#include "KIT_SafeObject.h"

#include <QFont>
#include <QLine>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <vector>

class KIN_MainWindow;
class QGraphicsView;
struct KIN_DataDiagram;

// Label of a ruler tick: a plain year from -1000 on, the size of the year with K, M or G
// before it (a tick in a compressed step is the step's year plus hundredths of the step).
std::string KIN_TickText(std::int64_t nValue);

// The year ruler left of the period view: ticks at the steps of the date scale and, as the
// zoom grows, finer ticks between them, recomputed whenever the view moves.
class KIN_ViewYears : public QWidget, public KIT_SafeObject
{
    Q_OBJECT

public:
    // Tick styles from the coarsest to the finest.
    enum Style
    {
        S1 = 0,
        S2 = 1,
        S3 = 2,
        S4 = 3,
        StyleCount = 4,
        NoStyle = -1
    };

    struct Label
    {
        int nStyle;
        QString text;
        int x;
        int y;
    };

    KIN_ViewYears(KIN_MainWindow* pMainWindow, const KIN_DataDiagram* pContent,
                  QGraphicsView* pQView);
    ~KIN_ViewYears() override;

    void RefreshRuler();
    void RecomputeTicks();

    const std::vector<QLine>& GetTicks(int nStyle) const;
    const std::vector<Label>& GetLabels() const { return m_labels; }

protected:
    void paintEvent(QPaintEvent* pQEvent) override;

private:
    void AddTick(int nStyle, int y, const QString& text);
    void AddStepTicks(size_t nStep, int y, int l, const std::array<int, 6>& styles);

    KIN_MainWindow* m_pMainWindow;
    QGraphicsView* m_pQView;
    std::array<std::vector<QLine>, StyleCount> m_ticks;
    std::vector<Label> m_labels;
};

#endif
