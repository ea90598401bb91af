#include "TRE_LecteurTexte.h"

#include "TRE_Champ.h"
#include "TRE_Fichier.h"
#include "TRE_Groupe.h"
#include "TRE_Table.h"
#include "TRE_Tableau.h"
#include "TRE_Texte.h"
#include "TRE_ValeurSimple.h"

#include <new>

namespace
{
bool DebutNom(char c)
{
    return TRE_EstLettre(c) || TRE_EstHaut(c);
}

bool SuiteNom(char c)
{
    return DebutNom(c) || TRE_EstChiffre(c) || c == '_';
}

// Counts one level of nesting for the lifetime of a rule.
class Niveau
{
public:
    explicit Niveau(int& nProfondeur) : m_nProfondeur(++nProfondeur) {}
    ~Niveau() { --m_nProfondeur; }
    Niveau(const Niveau&) = delete;
    Niveau& operator=(const Niveau&) = delete;

private:
    int& m_nProfondeur;
};
} // namespace

std::unique_ptr<TRE_Element> TRE_LecteurTexte::Lire(const char* pChemin)
{
    if (!m_buffer.Initialiser(pChemin))
    {
        m_nErreur = m_buffer.GetErrorCode();
        m_message = m_buffer.GetMessage();
        return nullptr;
    }
    Resultat pFichier;
    try
    {
        pFichier = Fichier();
    }
    catch (const std::bad_alloc&)
    {
        m_nErreur = Memoire;
    }
    if (!pFichier)
        m_message = std::to_string(m_buffer.Ligne()) + ' ' + std::to_string(m_buffer.Colonne());
    return pFichier;
}

void TRE_LecteurTexte::SauterBlancs()
{
    while (TRE_EstBlanc(m_buffer.CaractereCourant()))
        m_buffer.Avancer();
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Echec(std::int16_t nCode)
{
    m_nErreur = nCode;
    return nullptr;
}

bool TRE_LecteurTexte::Entrer()
{
    if (m_nProfondeur <= kProfondeurMax)
        return true;
    m_nErreur = TropProfond;
    return false;
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Extraire(const TRE_Index& debut, std::int16_t nType)
{
    const TRE_Index fin = m_buffer.Courant();
    m_buffer.Revenir(debut);
    const int nA = m_buffer.PoserIndex();
    m_buffer.Revenir(fin);
    const int nB = m_buffer.PoserIndex();
    std::unique_ptr<char[]> pTexte;
    const bool bExtrait = nA >= 0 && nB >= 0 && m_buffer.ExtraireChaine(nA, nB, pTexte);
    m_buffer.LibererIndex(nA);
    m_buffer.LibererIndex(nB);
    if (!bExtrait)
        return Echec(Memoire);
    return std::make_unique<TRE_ValeurSimple>(std::move(pTexte), nType);
}

bool TRE_LecteurTexte::Nom(std::unique_ptr<char[]>& pNom)
{
    if (m_nErreur || !DebutNom(m_buffer.CaractereCourant()))
        return false;
    const TRE_Index debut = m_buffer.Courant();
    while (SuiteNom(m_buffer.CaractereCourant()))
        m_buffer.Avancer();
    Resultat pTexte = Extraire(debut, TRE_Element::ValeurNue);
    if (!pTexte)
        return false;
    pNom = TRE_CopierTexte(pTexte->Valeur());
    return true;
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Nombre()
{
    if (m_nErreur)
        return nullptr;
    const TRE_Index debut = m_buffer.Courant();
    const auto chiffres = [this]()
    {
        if (!TRE_EstChiffre(m_buffer.CaractereCourant()))
            return false;
        while (TRE_EstChiffre(m_buffer.CaractereCourant()))
            m_buffer.Avancer();
        return true;
    };
    char c = m_buffer.CaractereCourant();
    if (c == '+' || c == '-')
        m_buffer.Avancer();
    else if (!TRE_EstChiffre(c))
        return nullptr;
    if (!chiffres())
        return Echec(NombreInterrompu);
    if (m_buffer.CaractereCourant() == '.')
    {
        m_buffer.Avancer();
        if (!chiffres())
            return Echec(NombreInterrompu);
    }
    c = m_buffer.CaractereCourant();
    if (c == 'e' || c == 'E')
    {
        m_buffer.Avancer();
        c = m_buffer.CaractereCourant();
        if (c == '+' || c == '-')
            m_buffer.Avancer();
        if (!chiffres())
            return Echec(NombreInterrompu);
    }
    return Extraire(debut, TRE_Element::ValeurNue);
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Chaine()
{
    if (m_nErreur || m_buffer.CaractereCourant() != '"')
        return nullptr;
    const TRE_Index debut = m_buffer.Courant();
    m_buffer.Avancer();
    for (;;)
    {
        const char c = m_buffer.CaractereCourant();
        if (c == '\0')
            return Echec(ChaineOuverte);
        m_buffer.Avancer();
        if (c == '"')
            break;
        if (c == '\\')
        {
            if (m_buffer.CaractereCourant() == '\0')
                return Echec(ChaineOuverte);
            m_buffer.Avancer();
        }
    }
    return Extraire(debut, TRE_Element::ValeurTexte);
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Appel()
{
    const TRE_Index debut = m_buffer.Courant();
    std::unique_ptr<char[]> pNom;
    if (!Nom(pNom))
        return nullptr;
    SauterBlancs();
    if (m_buffer.CaractereCourant() == '\0')
        return Echec(AppelOuvert);
    if (m_buffer.CaractereCourant() != '(')
    {
        m_buffer.Revenir(debut);
        return nullptr;
    }
    while (m_buffer.CaractereCourant() != ')')
    {
        if (m_buffer.CaractereCourant() == '\0')
            return Echec(AppelOuvert);
        m_buffer.Avancer();
    }
    m_buffer.Avancer();
    return Extraire(debut, TRE_Element::ValeurAppel);
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Element()
{
    Resultat pElement = Nombre();
    if (!pElement && !m_nErreur)
        pElement = Chaine();
    if (!pElement && !m_nErreur)
        pElement = Appel();
    if (!pElement && !m_nErreur)
        pElement = Tableau();
    if (!pElement && !m_nErreur)
        pElement = Table();
    if (!pElement && !m_nErreur)
        pElement = Groupe();
    return pElement;
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Tableau()
{
    if (m_nErreur || m_buffer.CaractereCourant() != '[')
        return nullptr;
    const Niveau niveau(m_nProfondeur);
    if (!Entrer())
        return nullptr;
    const TRE_Index debut = m_buffer.Courant();
    m_buffer.Avancer();
    auto pTableau = std::make_unique<TRE_Tableau>();
    for (;;)
    {
        while (TRE_EstBlanc(m_buffer.CaractereCourant()) || m_buffer.CaractereCourant() == ',')
            m_buffer.Avancer();
        const char c = m_buffer.CaractereCourant();
        if (c == '\0')
            return Echec(TableauOuvert);
        if (c == ']')
        {
            m_buffer.Avancer();
            return pTableau;
        }
        Resultat pElement = Element();
        if (!pElement)
        {
            if (!m_nErreur)
                m_buffer.Revenir(debut);
            return nullptr;
        }
        pTableau->AjouterElement(std::move(pElement));
    }
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Groupe()
{
    if (m_nErreur)
        return nullptr;
    if (m_buffer.CaractereCourant() == '\0')
        return Echec(GroupeOuvert);
    if (m_buffer.CaractereCourant() != '{')
        return nullptr;
    const std::int32_t nPosition = m_buffer.Courant().nPosition;
    if (m_groupesRefuses.count(nPosition) != 0)
        return nullptr;
    const Niveau niveau(m_nProfondeur);
    if (!Entrer())
        return nullptr;
    const TRE_Index debut = m_buffer.Courant();
    m_buffer.Avancer();
    auto pGroupe = std::make_unique<TRE_Groupe>();
    for (;;)
    {
        SauterBlancs();
        const char c = m_buffer.CaractereCourant();
        if (c == '\0')
            return Echec(GroupeOuvert);
        if (c == '}')
        {
            m_buffer.Avancer();
            return pGroupe;
        }
        Resultat pEntree = Champ();
        if (!pEntree && !m_nErreur)
            pEntree = Table();
        if (!pEntree)
        {
            if (!m_nErreur)
            {
                m_buffer.Revenir(debut);
                m_groupesRefuses.insert(nPosition);
            }
            return nullptr;
        }
        pGroupe->AjouterElement(std::move(pEntree));
    }
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Table()
{
    const TRE_Index debut = m_buffer.Courant();
    std::unique_ptr<char[]> pNom;
    if (!Nom(pNom))
        return nullptr;
    SauterBlancs();
    Resultat pGroupe = Groupe();
    if (!pGroupe)
    {
        if (!m_nErreur)
            m_buffer.Revenir(debut);
        return nullptr;
    }
    return std::make_unique<TRE_Table>(pNom.get(), std::move(pGroupe));
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Champ()
{
    const TRE_Index debut = m_buffer.Courant();
    std::unique_ptr<char[]> pNom;
    if (!Nom(pNom))
        return nullptr;
    SauterBlancs();
    if (m_buffer.CaractereCourant() != '=')
    {
        m_buffer.Revenir(debut);
        return nullptr;
    }
    m_buffer.Avancer();
    SauterBlancs();
    if (m_buffer.CaractereCourant() == '\0')
        return Echec(ChaineOuverte);
    Resultat pValeur = Valeur();
    if (!pValeur)
        return nullptr; // no going back: the error points at the value
    if (m_buffer.CaractereCourant() != ';')
        return Echec(PointVirguleManquant);
    m_buffer.Avancer();
    return std::make_unique<TRE_Champ>(pNom.get(), std::move(pValeur));
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Valeur()
{
    return Element();
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::TableHaute()
{
    Resultat pTable = Table();
    if (!pTable)
        return nullptr;
    if (m_buffer.CaractereCourant() != ';')
        return Echec(TableSansPointVirgule);
    m_buffer.Avancer();
    return pTable;
}

TRE_LecteurTexte::Resultat TRE_LecteurTexte::Fichier()
{
    auto pFichier = std::make_unique<TRE_Fichier>(TRE_CopierTexte(""));
    for (;;)
    {
        SauterBlancs();
        if (m_buffer.CaractereCourant() == '\0')
            return pFichier;
        Resultat pEntree = Champ();
        if (!pEntree && !m_nErreur)
            pEntree = TableHaute();
        if (!pEntree)
            return nullptr;
        pFichier->AjouterElement(std::move(pEntree));
    }
}
