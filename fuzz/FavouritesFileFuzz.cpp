// The favourites file's text from arbitrary bytes: read as the program reads it at start and before each save (the
// whole document, or what stands whole in a damaged one), its duplicates merged, and merged into a list that holds
// changes of its own. Nothing may crash, hang or leak, and what is read must hold each name once with 1..5 stars.

#include "app/favourites/FavouritesJson.h"
#include "reports/FavouriteList.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unordered_set>

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void checkList(const namewright::FavouriteList& list) {
    std::unordered_set<std::string> names;
    for (const namewright::Favourite& f : list.all()) {
        check(f.stars >= namewright::kFewestStars && f.stars <= namewright::kMostStars);
        check(names.insert(std::to_string(f.familyText.size()) + ':' + f.name()).second);
        check(list.find(f.familyText, f.given) == &f);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace namewright;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadFavourites read = favouritesFromJson(bytes);
    check(read.ours || read.favourites.empty());
    check(!read.complete || read.ours);

    // A list that read part of the file, then changed: the rest of the file is merged in as another window's save.
    FavouriteList list;
    std::vector<Favourite> half(read.favourites.begin(),
                                read.favourites.begin() + static_cast<std::ptrdiff_t>(read.favourites.size() / 2));
    list.assign(half);
    checkList(list);
    if (!list.empty()) {
        list.remove(list.all().front().familyText, list.all().front().given);
    }
    Favourite mine;
    mine.familyText = "李";
    mine.given = "栋";
    list.add(mine);
    list.mergeWithSaved(read.favourites, read.complete);
    checkList(list);
    list.assign(std::move(read.favourites));
    checkList(list);
    return 0;
}
