#ifndef TRE_BUFFER_H
#define TRE_BUFFER_H

#include "KIT_SafeObject.h"
#include "TRE_Index.h"

#include <cstdint>
#include <memory>
#include <string>

// Character source of the brace text-format reader: the whole file in memory with its
// comments ("#" to the end of the line) blanked, a reading position with line and column,
// and up to 100 marks to return to when a rule does not match.
class TRE_Buffer : public KIT_SafeObject
{
public:
    enum Erreur : std::int16_t
    {
        Aucune = 0,
        Memoire = 1,
        Ouverture = 2,
        MarquesEpuisees = 3
    };
    static constexpr int kNombreMarques = 100;

    TRE_Buffer() noexcept : KIT_SafeObject("TRE_Buffer") {}
    ~TRE_Buffer() override = default;
    TRE_Buffer(const TRE_Buffer&) = delete;
    TRE_Buffer& operator=(const TRE_Buffer&) = delete;

    bool Initialiser(const char* pChemin);
    // The character at the reading position, 0 at the end.
    char CaractereCourant() const noexcept;
    void Avancer() noexcept;
    void Reculer() noexcept;
    // Remembers the reading position in the first free slot; -1 when all are taken.
    int PoserIndex() noexcept;
    void LibererIndex(int nMarque) noexcept;
    // Goes back to the mark and frees it.
    void RevenirIndex(int nMarque) noexcept;
    // The text from mark a to mark b, as a new array owned by the caller.
    bool ExtraireChaine(int nMarqueA, int nMarqueB, std::unique_ptr<char[]>& pTexte);

    // The reading position, and a return to one taken earlier, for rules that nest deeper
    // than the marks would allow.
    const TRE_Index& Courant() const noexcept { return m_courant; }
    void Revenir(const TRE_Index& position) noexcept
    {
        m_courant.nPosition = position.nPosition;
        m_courant.nLigne = position.nLigne;
        m_courant.nColonne = position.nColonne;
    }

    std::int32_t Ligne() const noexcept { return m_courant.nLigne; }
    std::int32_t Colonne() const noexcept { return m_courant.nColonne; }
    std::int32_t Position() const noexcept { return m_courant.nPosition; }
    std::int16_t GetErrorCode() const noexcept { return m_nErreur; }
    const std::string& GetMessage() const noexcept { return m_message; }

private:
    bool MarqueValide(int nMarque) const noexcept
    {
        return nMarque >= 0 && nMarque < kNombreMarques;
    }

    TRE_Index m_courant;
    TRE_Index m_marques[kNombreMarques];
    std::int32_t m_nFin = 0;
    std::unique_ptr<char[]> m_pTexte;
    std::int16_t m_nErreur = Aucune;
    std::string m_message;
};

#endif
