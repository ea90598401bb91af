#include "TRE_Automate.h"

#include "TRE_LecteurTexte.h"
#include "TRE_LecteurXml.h"

#include <cstdio>

TRE_Automate::~TRE_Automate()
{
    LibererRacine();
}

template <class Lecteur> bool TRE_Automate::Charger(const char* pChemin)
{
    auto pArene = std::make_unique<TRE_Arene>();
    std::unique_ptr<TRE_Element> pRacine;
    {
        const TRE_Arene::Portee portee(*pArene);
        Lecteur lecteur;
        pRacine = lecteur.Lire(pChemin);
        if (!pRacine)
        {
            DefinirErreur(lecteur.GetErrorCode(), lecteur.GetMessage());
            return false;
        }
    }
    Adopter(std::move(pRacine), std::move(pArene));
    return true;
}

bool TRE_Automate::LoadXml(const char* pChemin)
{
    return Charger<TRE_LecteurXml>(pChemin);
}

bool TRE_Automate::LoadText(const char* pChemin)
{
    // A failed text load leaves no root, unlike a failed XML load.
    LibererRacine();
    return Charger<TRE_LecteurTexte>(pChemin);
}

void TRE_Automate::Adopter(std::unique_ptr<TRE_Element> pRacine, std::unique_ptr<TRE_Arene> pArene)
{
    LibererRacine();
    m_pRacine = std::move(pRacine);
    m_pArene = std::move(pArene);
}

bool TRE_Automate::SaveFile(const char* pChemin) const
{
    std::FILE* pFichier = pChemin ? std::fopen(pChemin, "w") : nullptr;
    if (!pFichier)
        return false;
    if (m_pRacine)
    {
        m_pRacine->Ecrire(pFichier);
        // A root read from XML is printed as the one entry of a file, so that it reads back.
        if (m_pRacine->GetType() != TRE_Element::Fichier)
            std::fputs(";\n", pFichier);
    }
    // A write error may surface on an earlier flush as well as on closing.
    const bool bErreurEcriture = std::ferror(pFichier) != 0;
    return std::fclose(pFichier) == 0 && !bErreurEcriture;
}

void TRE_Automate::DefinirErreur(std::int16_t nCode, std::string message)
{
    m_nErreur = nCode;
    if (message.size() > kLongueurMessage)
        message.resize(kLongueurMessage);
    m_message = std::move(message);
}

void TRE_Automate::LibererRacine()
{
    if (!m_pRacine)
        return;
    m_pRacine->Liberer();
    m_pRacine.reset();
    m_pArene.reset();
}
