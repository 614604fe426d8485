// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/AddressBook.h"

#include "phone/PhoneApi.h"
#include "phone/line/TextFit.h"
#include "phone/vobject/VCard.h"

namespace orrin::phone {
namespace {

const QByteArray kCardType = "vcf";
// Clears of one delete of the store follow each other at once; a later
// clear, or one at a position not above the last, starts a new delete.
constexpr qint64 kDeleteGapMs = 50;

std::optional<CardValues> ValuesOf(const QByteArray &card)
{
    const std::optional<CVCard> parsed = CVCard::Parse(card);
    return parsed ? std::optional(parsed->Values()) : std::nullopt;
}

QByteArray SortName(const CardValues &values)
{
    return CutToFit(values[CardField::Name], sizeof(S57AddrbookRecord::name) - 1);
}

} // namespace

bool CAddressBook::Scanned(CAtEngine &engine, CObjectChannel &channel)
{
    if (m_range)
        return true;
    const std::optional<ObjectRange> range = channel.Range(engine, kCardType);
    if (!range)
        return false;
    const ObjectRange bounded{range->first, std::min(range->last, range->first + kMaxSlots - 1)};
    std::map<int, QByteArray> cards;
    for (int slot = bounded.first; slot <= bounded.last; ++slot) {
        const ObjectRead read = channel.Read(engine, kCardType, slot, CObjectChannel::kMaxTextObjectBytes);
        if (read.status == ObjectStatus::Failed)
            return false;
        if (read.status == ObjectStatus::Found)
            cards.emplace(slot, read.data);
    }
    m_range = bounded;
    m_cards = std::move(cards);
    RebuildList();
    return true;
}

int CAddressBook::Count(CAtEngine &engine, CObjectChannel &channel)
{
    m_justCleared.reset();
    if (!Scanned(engine, channel))
        return -1;
    const auto count = std::count_if(m_cards.begin(), m_cards.end(),
                                     [](const auto &card) { return ValuesOf(card.second).has_value(); });
    m_listReadPending = true;
    if (count == 0)
        RebuildList();
    return int(count);
}

std::optional<QByteArray> CAddressBook::Card(CAtEngine &engine, CObjectChannel &channel, int slot, bool forList)
{
    m_justCleared.reset();
    if (!Scanned(engine, channel))
        return std::nullopt;
    if (forList && m_listReadPending)
        RebuildList();
    const auto card = m_cards.find(slot);
    if (card == m_cards.end() || !ValuesOf(card->second))
        return std::nullopt;
    return card->second;
}

std::optional<int> CAddressBook::FirstFree() const
{
    for (int slot = m_range->first; slot <= m_range->last; ++slot) {
        if (!m_cards.contains(slot))
            return slot;
    }
    return std::nullopt;
}

bool CAddressBook::Store(CAtEngine &engine, CObjectChannel &channel, int slot,
                         const std::optional<QByteArray> &base, const CardMaker &make)
{
    const std::optional<QByteArray> card = make(base);
    if (!card || !channel.Write(engine, kCardType, slot, *card))
        return false;
    m_cards[slot] = *card;
    return true;
}

bool CAddressBook::WriteSlot(CAtEngine &engine, CObjectChannel &channel, int slot, const CardMaker &make)
{
    const std::optional<std::pair<int, QByteArray>> cleared = std::exchange(m_justCleared, std::nullopt);
    if (!Scanned(engine, channel) || !m_range->Contains(slot))
        return false;
    const std::optional<int> target = m_cards.contains(slot) ? FirstFree() : slot;
    if (!target)
        return false;
    const bool changesCleared = cleared && cleared->first == *target;
    return Store(engine, channel, *target, changesCleared ? std::optional(cleared->second) : std::nullopt, make);
}

bool CAddressBook::ClearSlot(CAtEngine &engine, CObjectChannel &channel, int slot)
{
    m_justCleared.reset();
    if (!Scanned(engine, channel) || !m_range->Contains(slot) || !channel.Delete(engine, kCardType, slot))
        return false;
    const auto card = m_cards.find(slot);
    if (card != m_cards.end()) {
        m_justCleared.emplace(slot, card->second);
        m_cards.erase(card);
    }
    return true;
}

bool CAddressBook::WritePosition(CAtEngine &engine, CObjectChannel &channel, int position, const QByteArray &name,
                                 const CardMaker &make)
{
    m_justCleared.reset();
    if (!Scanned(engine, channel))
        return false;
    m_listReadPending = false;
    SettleList();
    if (position < 0 || size_t(position) > m_list.size())
        return false;
    const bool existing = size_t(position) < m_list.size() && !m_list[size_t(position)].gone;
    const std::optional<int> slot = existing ? m_list[size_t(position)].slot : FirstFree();
    if (!slot || !Store(engine, channel, *slot, existing ? std::optional(m_cards.at(*slot)) : std::nullopt, make))
        return false;
    if (size_t(position) < m_list.size())
        m_list.erase(m_list.begin() + position);
    m_list.push_back({*slot, name});
    SortList();
    return true;
}

bool CAddressBook::ClearPosition(CAtEngine &engine, CObjectChannel &channel, int position)
{
    m_justCleared.reset();
    if (!Scanned(engine, channel))
        return false;
    m_listReadPending = false;
    const bool sameDelete = m_sinceClear.isValid() && m_sinceClear.elapsed() < kDeleteGapMs &&
                            position > m_lastClearedPosition;
    if (!sameDelete)
        SettleList();
    if (position < 0 || size_t(position) >= m_list.size())
        return false;
    Listed &entry = m_list[size_t(position)];
    if (!entry.gone) {
        if (!channel.Delete(engine, kCardType, entry.slot)) {
            // The store keeps its whole list when a delete fails.
            m_keepGone = true;
            m_sinceClear.invalidate();
            return false;
        }
        m_cards.erase(entry.slot);
        entry.gone = true;
    }
    m_lastClearedPosition = position;
    m_sinceClear.start();
    return true;
}

void CAddressBook::RebuildList()
{
    m_list.clear();
    for (const auto &[slot, card] : m_cards) {
        if (const std::optional<CardValues> values = ValuesOf(card))
            m_list.push_back({slot, SortName(*values)});
    }
    SortList();
    m_listReadPending = false;
    m_keepGone = false;
    m_sinceClear.invalidate();
}

void CAddressBook::SettleList()
{
    m_sinceClear.invalidate();
    if (!m_keepGone)
        std::erase_if(m_list, [](const Listed &entry) { return entry.gone; });
}

// The store's exchange sort, step for step: equal names end where it puts them.
void CAddressBook::SortList()
{
    for (size_t i = 0; i < m_list.size(); ++i) {
        for (size_t j = i; j < m_list.size(); ++j) {
            if (m_list[j].name < m_list[i].name)
                std::swap(m_list[i], m_list[j]);
        }
    }
}

} // namespace orrin::phone
