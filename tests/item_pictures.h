// The pictures of the item catalogue, before the game loads them: the
// inventory pictures, the strips worn over the player's figure and the
// spell-book pages the picture generator must make.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

enum class ItemArt {
    Picture, // Grafik/Items/<name>.png, 48 x 48 on white
    Worn,    // Grafik/Items/<name>.png and Grafik/Items/Groß/<name>.png, 12 cells on green
    Page,    // Grafik/Zauber/<name>.png, 48 x 48 on white
};

struct ItemPicture {
    const char* name;
    ItemArt art;
    const char* kind = ""; // worn things: "armour", "helmet" or "shield"
};

inline const std::vector<ItemPicture>& ItemPictures() {
    static const std::vector<ItemPicture> k = {
        {"Gold", ItemArt::Picture},
        {"Langschwert", ItemArt::Picture},
        {"Streitaxt", ItemArt::Picture},
        {"Speer", ItemArt::Picture},
        {"Jagdbogen", ItemArt::Picture},
        {"Dolch", ItemArt::Picture},
        {"Streitkolben", ItemArt::Picture},
        {"Heiltrank", ItemArt::Picture},
        {"Manatrank", ItemArt::Picture},
        {"Kupferring", ItemArt::Picture},
        {"Silberring", ItemArt::Picture},
        {"Pfeile", ItemArt::Picture},
        {"Wolfsfell", ItemArt::Picture},
        {"Lederwams", ItemArt::Worn, "armour"},
        {"Kettenhemd", ItemArt::Worn, "armour"},
        {"Plattenpanzer", ItemArt::Worn, "armour"},
        {"Lederkappe", ItemArt::Worn, "helmet"},
        {"Eisenhelm", ItemArt::Worn, "helmet"},
        {"Holzschild", ItemArt::Worn, "shield"},
        {"Eisenschild", ItemArt::Worn, "shield"},
        {"Feuerball", ItemArt::Page},
        {"Heilung", ItemArt::Page},
        {"Eisstoss", ItemArt::Page},
        {"Geisterwolf", ItemArt::Page},
    };
    return k;
}

// Every file of the table, relative to the game folder.
inline std::vector<std::string> ItemPictureFiles() {
    std::vector<std::string> out;
    for (const ItemPicture& p : ItemPictures()) {
        std::string n = p.name;
        if (p.art == ItemArt::Page) {
            out.push_back("Grafik/Zauber/" + n + ".png");
            continue;
        }
        out.push_back("Grafik/Items/" + n + ".png");
        if (p.art == ItemArt::Worn) out.push_back("Grafik/Items/Groß/" + n + ".png");
    }
    return out;
}

} // namespace testsupport
