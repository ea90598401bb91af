#include "KIN_DlgGedcomChart.h"

#include "KIN_GedcomChart.h"
#include "KIN_GedcomDetails.h"
#include "KIN_QtTexts.h"
#include "KIN_Texts.h"
#include "KIN_WidgetFindPeriod.h"
#include "KIT_QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QListView>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QUrl>

#include <algorithm>

namespace
{
using Kind = KIN_GedcomChartKind;

constexpr int kXrefRole = Qt::UserRole + 1;
constexpr int kFoldedRole = Qt::UserRole + 2;

// The settings group of one tree file: its absolute path, with no separator in it.
QString GroupOf(const QString& file)
{
    return QStringLiteral("gedcomCharts/") +
           QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(file).absoluteFilePath()));
}

QSpinBox* GenerationsField()
{
    auto* pQField = new QSpinBox();
    pQField->setRange(1, KIN_DlgGedcomChart::kMaxGenerations);
    return pQField;
}
} // namespace

KIN_DlgGedcomChart::KIN_DlgGedcomChart(QWidget* pQParent)
    : KIN_DlgValid("KIN_DlgGedcomChart", pQParent)
{
    auto* pQGrid = new QGridLayout(ContentArea());
    m_pQKind = new QComboBox();
    m_pQKind->setObjectName(QStringLiteral("kind"));
    for (const KIN_Text text :
         {KIN_Text::ChartEveryone, KIN_Text::ChartAncestors, KIN_Text::ChartDescendants,
          KIN_Text::ChartAncestorsAndDescendants, KIN_Text::ChartRelatives})
        m_pQKind->addItem(KIN_QText(text));
    pQGrid->addWidget(m_pQKind, 0, 0, 1, 2);
    AddLabel(pQGrid, KIN_Text::LabelChartPerson, 1, 0, 2);
    m_pQFind = new QLineEdit();
    m_pQFind->setObjectName(QStringLiteral("find"));
    m_pQFind->setPlaceholderText(KIN_QText(KIN_Text::PlaceholderFindPerson));
    m_pQFind->setClearButtonEnabled(true);
    pQGrid->addWidget(m_pQFind, 2, 0, 1, 2);
    m_pQModel = new QStandardItemModel(this);
    m_pQFilter = new QSortFilterProxyModel(this);
    m_pQFilter->setSourceModel(m_pQModel);
    m_pQFilter->setFilterRole(kFoldedRole);
    m_pQPeople = new QListView();
    m_pQPeople->setObjectName(QStringLiteral("people"));
    m_pQPeople->setModel(m_pQFilter);
    m_pQPeople->setUniformItemSizes(true); // a list of many thousands stays quick
    m_pQPeople->setMinimumSize(360, 240);
    pQGrid->addWidget(m_pQPeople, 3, 0, 1, 2);
    AddLabel(pQGrid, KIN_Text::LabelGenerationsUp, 4, 0);
    m_pQUp = GenerationsField();
    m_pQUp->setObjectName(QStringLiteral("up"));
    pQGrid->addWidget(m_pQUp, 4, 1);
    AddLabel(pQGrid, KIN_Text::LabelGenerationsDown, 5, 0);
    m_pQDown = GenerationsField();
    m_pQDown->setObjectName(QStringLiteral("down"));
    pQGrid->addWidget(m_pQDown, 5, 1);
    m_pQSpouses = new QCheckBox(KIN_QText(KIN_Text::ChartWithSpouses));
    m_pQSpouses->setObjectName(QStringLiteral("spouses"));
    pQGrid->addWidget(m_pQSpouses, 6, 0, 1, 2);
    setWindowTitle(KIN_QText(KIN_Text::TitleImportChart));

    connect(m_pQKind, &QComboBox::currentIndexChanged, this,
            &KIN_DlgGedcomChart::SlotChart_Kind_currentIndexChanged);
    connect(m_pQFind, &QLineEdit::textChanged, this,
            &KIN_DlgGedcomChart::SlotChart_Find_textChanged);
    connect(m_pQPeople->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &KIN_DlgGedcomChart::SlotChart_Person_currentChanged);
}

KIN_DlgGedcomChart::~KIN_DlgGedcomChart() = default;

QString KIN_DlgGedcomChart::Entry(const std::string& title, const KIN_GedcomLifespan& lifespan,
                                  const std::string& xref)
{
    QString entry = KIT_ToQString(title) + QStringLiteral(", ");
    if (lifespan.bDrawn)
    {
        entry += QString::number(lifespan.nBegin) + QLatin1Char('-');
        if (!lifespan.bLiving)
            entry += QString::number(lifespan.nEnd);
        entry += QStringLiteral(", ");
    }
    return entry + QLatin1Char('@') + KIT_ToQString(xref) + QLatin1Char('@');
}

bool KIN_DlgGedcomChart::Run(const KIN_GedcomReadTree& read, const KIN_GedcomWords& words,
                             KIN_GedcomChartSpec& chart)
{
    Fill(read, words);
    Show(chart);
    if (Exec() == 0)
        return false;
    chart = Chosen();
    return true;
}

void KIN_DlgGedcomChart::Fill(const KIN_GedcomReadTree& read, const KIN_GedcomWords& words)
{
    const KIN_GedcomDetails details(words);
    m_pQFind->clear();
    m_pQModel->clear();
    for (std::size_t n = 0; n < read.tree.people.size(); ++n)
    {
        const KIN_GedcomPerson& person = read.tree.people[n];
        const QString entry = Entry(details.Title(person), read.lifespans[n], person.xref);
        auto* pQItem = new QStandardItem(entry);
        pQItem->setEditable(false);
        pQItem->setData(KIT_ToQString(person.xref), kXrefRole);
        pQItem->setData(KIN_WidgetFindPeriod::Folded(entry), kFoldedRole);
        m_pQModel->appendRow(pQItem);
    }
}

void KIN_DlgGedcomChart::Show(const KIN_GedcomChartSpec& chart)
{
    m_pQKind->setCurrentIndex(static_cast<int>(chart.kind));
    m_pQUp->setValue(chart.nUp);
    m_pQDown->setValue(chart.nDown);
    m_pQSpouses->setChecked(chart.bSpouses);
    ShowPerson(KIN_GedcomChart::Bare(chart.root));
    SlotChart_Kind_currentIndexChanged(m_pQKind->currentIndex());
}

void KIN_DlgGedcomChart::ShowPerson(const std::string& xref)
{
    if (m_pQModel->rowCount() == 0)
        return;
    QModelIndex found = m_pQModel->index(0, 0);
    const QModelIndexList matches =
        m_pQModel->match(found, kXrefRole, KIT_ToQString(xref), 1, Qt::MatchExactly);
    if (!matches.isEmpty())
        found = matches.front();
    m_pQPeople->setCurrentIndex(m_pQFilter->mapFromSource(found));
    m_pQPeople->scrollTo(m_pQPeople->currentIndex(), QAbstractItemView::PositionAtCenter);
}

KIN_GedcomChartSpec KIN_DlgGedcomChart::Chosen() const
{
    KIN_GedcomChartSpec chart;
    chart.kind = static_cast<Kind>(m_pQKind->currentIndex());
    chart.root = m_root;
    chart.nUp = m_pQUp->value();
    chart.nDown = m_pQDown->value();
    chart.bSpouses = m_pQSpouses->isChecked();
    return chart;
}

void KIN_DlgGedcomChart::SlotChart_Kind_currentIndexChanged(int nIndex)
{
    const Kind kind = static_cast<Kind>(nIndex);
    const bool bPerson = kind != Kind::Everyone;
    const bool bDown = bPerson && kind != Kind::Ancestors;
    m_pQFind->setEnabled(bPerson);
    m_pQPeople->setEnabled(bPerson);
    m_pQUp->setEnabled(bPerson && kind != Kind::Descendants);
    m_pQDown->setEnabled(bDown);
    m_pQSpouses->setEnabled(bDown);
}

void KIN_DlgGedcomChart::SlotChart_Find_textChanged(const QString& text)
{
    m_pQFilter->setFilterFixedString(KIN_WidgetFindPeriod::Folded(text.trimmed()));
    // Searching picks the first match, so that Enter draws it; with none, the last pick stays.
    if (!text.trimmed().isEmpty() && m_pQFilter->rowCount() > 0)
        m_pQPeople->setCurrentIndex(m_pQFilter->index(0, 0));
    else if (text.trimmed().isEmpty())
        ShowPerson(m_root);
}

void KIN_DlgGedcomChart::SlotChart_Person_currentChanged(const QModelIndex& current,
                                                         const QModelIndex&)
{
    if (current.isValid())
        m_root = KIT_ToBytes(current.data(kXrefRole).toString());
}

KIN_GedcomChartSpec KIN_DlgGedcomChart::Remembered(const QString& file)
{
    KIN_GedcomChartSpec chart;
    QSettings settings;
    settings.beginGroup(GroupOf(file));
    const int nKind = settings.value(QStringLiteral("kind"), 0).toInt();
    if (nKind >= 0 && nKind <= static_cast<int>(Kind::Relatives))
        chart.kind = static_cast<Kind>(nKind);
    chart.root = KIT_ToBytes(settings.value(QStringLiteral("root")).toString());
    chart.nUp =
        std::clamp(settings.value(QStringLiteral("up"), chart.nUp).toInt(), 1, kMaxGenerations);
    chart.nDown =
        std::clamp(settings.value(QStringLiteral("down"), chart.nDown).toInt(), 1, kMaxGenerations);
    chart.bSpouses = settings.value(QStringLiteral("spouses"), chart.bSpouses).toBool();
    return chart;
}

void KIN_DlgGedcomChart::Remember(const QString& file, const KIN_GedcomChartSpec& chart)
{
    QSettings settings;
    settings.beginGroup(GroupOf(file));
    settings.setValue(QStringLiteral("kind"), static_cast<int>(chart.kind));
    settings.setValue(QStringLiteral("root"), KIT_ToQString(chart.root));
    settings.setValue(QStringLiteral("up"), chart.nUp);
    settings.setValue(QStringLiteral("down"), chart.nDown);
    settings.setValue(QStringLiteral("spouses"), chart.bSpouses);
}
