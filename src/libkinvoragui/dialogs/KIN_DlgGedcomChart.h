#ifndef KIN_DLGGEDCOMCHART_H
#define KIN_DLGGEDCOMCHART_H

#include "KIN_DlgValid.h"
#include "KIN_GedcomImport.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QModelIndex;
class QSortFilterProxyModel;
class QSpinBox;
class QStandardItemModel;

// Asks what an imported family tree draws: everyone, or the ancestors, descendants, both or
// all relatives of a person picked from the file's people, within a number of generations.
class KIN_DlgGedcomChart : public KIN_DlgValid
{
    Q_OBJECT

public:
    static constexpr int kMaxGenerations = 99;

    explicit KIN_DlgGedcomChart(QWidget* pQParent);
    ~KIN_DlgGedcomChart() override;

    // Lists the people of the tree and shows the chart; on OK writes the choice back. A
    // person that is not in the tree gives way to the first of the file.
    bool Run(const KIN_GedcomReadTree& read, const KIN_GedcomWords& words,
             KIN_GedcomChartSpec& chart);
    // What the fields hold now.
    KIN_GedcomChartSpec Chosen() const;
    // The person list as shown, through the search field.
    QListView* GetPeople() const { return m_pQPeople; }

    // The last choice for a tree file (the defaults when there is none), and keeping one.
    static KIN_GedcomChartSpec Remembered(const QString& file);
    static void Remember(const QString& file, const KIN_GedcomChartSpec& chart);
    // A person as listed: "Anna Lind, 1850-1910, @I12@".
    static QString Entry(const std::string& title, const KIN_GedcomLifespan& lifespan,
                         const std::string& xref);

private slots:
    void SlotChart_Kind_currentIndexChanged(int nIndex);
    void SlotChart_Find_textChanged(const QString& text);
    void SlotChart_Person_currentChanged(const QModelIndex& current, const QModelIndex& previous);

private:
    void Fill(const KIN_GedcomReadTree& read, const KIN_GedcomWords& words);
    void Show(const KIN_GedcomChartSpec& chart);
    void ShowPerson(const std::string& xref);

    QComboBox* m_pQKind = nullptr;
    QLineEdit* m_pQFind = nullptr;
    QListView* m_pQPeople = nullptr;
    QStandardItemModel* m_pQModel = nullptr;
    QSortFilterProxyModel* m_pQFilter = nullptr;
    QSpinBox* m_pQUp = nullptr;
    QSpinBox* m_pQDown = nullptr;
    QCheckBox* m_pQSpouses = nullptr;
    std::string m_root; // the person picked last, kept while the search hides them
};

#endif
