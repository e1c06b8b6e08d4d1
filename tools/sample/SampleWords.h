#pragma once

#include <span>

// Invented names and words the sample stores are made from. Titles and
// people are made up so no real film or person is named.
namespace SampleWords {

using Words = std::span<const char *const>;

inline constexpr const char *FemaleNames[] = {
    "Abigail", "Alice", "Amanda", "Angela", "Barbara", "Brenda", "Carla", "Carol", "Chantal", "Cheryl",
    "Colleen", "Danielle", "Deborah", "Denise", "Diane", "Donna", "Elaine", "Erin", "Gail", "Heather",
    "Helen", "Isabelle", "Janet", "Jennifer", "Joanne", "Julie", "Karen", "Kelly", "Laura", "Linda",
    "Lisa", "Lorraine", "Marie", "Melissa", "Michelle", "Monique", "Nancy", "Nicole", "Pamela", "Patricia",
    "Rachel", "Rebecca", "Sandra", "Sharon", "Stephanie", "Susan", "Tammy", "Tina", "Tracy", "Wendy"};

inline constexpr const char *MaleNames[] = {
    "Adam", "Alan", "Andrew", "Brian", "Bruce", "Carl", "Christopher", "Craig", "Daniel", "Darren",
    "David", "Dennis", "Derek", "Donald", "Douglas", "Edward", "Eric", "Frank", "Gary", "Gordon",
    "Gregory", "Jason", "Jeffrey", "Jim", "Joel", "Keith", "Kevin", "Larry", "Luc", "Marc",
    "Mark", "Martin", "Matthew", "Michael", "Neil", "Patrick", "Paul", "Peter", "Philip", "Raymond",
    "Richard", "Robert", "Roger", "Ryan", "Scott", "Stephen", "Steven", "Terry", "Timothy", "Wayne"};

inline constexpr const char *LastNames[] = {
    "Abbott", "Archer", "Baker", "Barnes", "Beaulieu", "Bennett", "Bishop", "Boucher", "Brennan", "Brooks",
    "Campbell", "Carter", "Chambers", "Clarke", "Cole", "Collins", "Cormier", "Crawford", "Dawson", "Doyle",
    "Dubois", "Duncan", "Ellis", "Evans", "Ferguson", "Fleming", "Fraser", "Gagnon", "Gallant", "Gibson",
    "Gordon", "Graham", "Grant", "Hamilton", "Harper", "Hayes", "Henderson", "Holmes", "Hughes", "Hunter",
    "Jensen", "Kennedy", "Kerr", "Lambert", "Landry", "Lawson", "Leblanc", "MacDonald", "MacLeod", "Marshall",
    "Martel", "McKay", "Mitchell", "Morrison", "Murphy", "Nolan", "Ogilvie", "Olsen", "Paquette", "Parker",
    "Pelletier", "Porter", "Quinn", "Reid", "Robertson", "Ross", "Russell", "Savard", "Scott", "Sinclair",
    "Spencer", "Stewart", "Sullivan", "Taylor", "Thibault", "Tremblay", "Turner", "Vaillancourt", "Walsh", "Watson",
    "Webb", "Wells", "Whitfield", "Wilkins", "Wong", "Wright", "Yates", "Young", "Zimmer", "Zhang"};

inline constexpr const char *Streets[] = {
    "Maple", "Oak", "Birch", "Cedar", "Elm", "Willow", "Pine", "Spruce", "Lakeshore", "Riverside",
    "Queen", "King", "Victoria", "Albert", "Church", "Mill", "Park", "Main", "Station", "Orchard",
    "Hillcrest", "Meadowvale", "Brookside", "Fairview", "Sunset", "Harbour", "Glenwood", "Westmount"};

inline constexpr const char *StreetKinds[] = {"St", "Ave", "Rd", "Dr", "Cres", "Blvd", "Lane", "Court"};

// The store's own town first: most members live there.
inline constexpr const char *Cities[] = {"Port Alder", "Cedar Ridge", "Maple Falls", "Lakeview", "Riverton",
                                         "Brookfield"};
inline constexpr const char *PostalLetters = "ABCEGHJKLMNPRSTVXY";

struct GenreWords
{
    Words adjectives;
    Words nouns;
};

inline constexpr const char *ActionAdjectives[] = {
    "Steel", "Iron", "Deadly", "Final", "Burning", "Rogue", "Silent", "Maximum", "Savage", "Broken",
    "Crimson", "Hard", "Lethal", "Midnight", "Cold", "Blind"};
inline constexpr const char *ActionNouns[] = {
    "Justice", "Convoy", "Vendetta", "Fury", "Reckoning", "Strike", "Protocol", "Crossfire", "Extraction", "Pursuit",
    "Ambush", "Mercenary", "Showdown", "Escape", "Blockade", "Outpost"};
inline constexpr const char *SciFiAdjectives[] = {
    "Quantum", "Stellar", "Chrome", "Distant", "Hollow", "Neon", "Orbital", "Binary", "Frozen", "Infinite",
    "Lost", "Red", "Dark", "Silver", "Electric", "Last"};
inline constexpr const char *SciFiNouns[] = {
    "Signal", "Colony", "Frontier", "Nebula", "Station", "Horizon", "Drifter", "Android", "Comet", "Planet",
    "Voyager", "Eclipse", "Machine", "Transmission", "Starship", "Moon"};
inline constexpr const char *DramaAdjectives[] = {
    "Quiet", "Long", "Second", "Forgotten", "Glass", "Gentle", "Distant", "Bitter", "Golden", "Empty",
    "Restless", "Open", "Last", "Winter", "Painted", "Little"};
inline constexpr const char *DramaNouns[] = {
    "Harvest", "Season", "Letters", "Promise", "Garden", "Daughter", "Orchard", "Journey", "Homecoming", "Summer",
    "Strangers", "Inheritance", "Verdict", "Reunion", "Silence", "Crossing"};
inline constexpr const char *ComedyAdjectives[] = {
    "Crazy", "Accidental", "Lucky", "Totally", "Big", "Wild", "Ultimate", "Great", "Clumsy", "Reluctant",
    "Surprise", "Weekend", "Perfect", "Awkward", "Funny", "Busy"};
inline constexpr const char *ComedyNouns[] = {
    "Wedding", "Vacation", "Neighbours", "Roommates", "Detective", "Babysitter", "Reunion", "Getaway", "Mayor", "Camp",
    "Substitute", "Road Trip", "Dinner Party", "Inheritance", "Makeover", "Honeymoon"};
inline constexpr const char *HorrorAdjectives[] = {
    "Dead", "Hollow", "Crawling", "Silent", "Bleeding", "Wicked", "Cursed", "Haunted", "Forbidden", "Buried",
    "Ninth", "Pale", "Hungry", "Restless", "Black", "Twisted"};
inline constexpr const char *HorrorNouns[] = {
    "Cellar", "Visitor", "Scarecrow", "Caller", "Motel", "Tenant", "Attic", "Harvest", "Caretaker", "Ritual",
    "Whisper", "Lighthouse", "Orphanage", "Shadow", "Mask", "Carnival"};

// Indexed by genre number minus one.
inline constexpr GenreWords Genres[] = {
    {ActionAdjectives, ActionNouns}, {SciFiAdjectives, SciFiNouns},   {DramaAdjectives, DramaNouns},
    {ComedyAdjectives, ComedyNouns}, {HorrorAdjectives, HorrorNouns},
};

inline constexpr const char *Places[] = {
    "Raven Hill", "Cedar Falls", "Black Rock", "Willow Creek", "Sector Nine", "the North Shore", "Barrow Bay",
    "Harlan County", "the Red Desert", "Saint Clair", "Dead Man's Pass", "Copper Valley", "Fog Island",
    "Station Twelve", "Whisper Lake", "the Outer Rim", "Mercy Street", "Old Quarry Road", "Juniper Flats",
    "the Badlands", "Kessler Point", "Moose Jaw Junction", "Paradise Row", "Eagle Ridge", "the Border",
    "Lake Minowa", "Thornbury", "the Iron Coast", "Gallows Creek", "New Carthage"};

inline constexpr const char *Sequels[] = {" II", " III", " IV", ": The Return", ": Part 5", " 6", " 7", " 8"};

struct DemoTitle
{
    const char *name;
    int genre;
    const char *rating;
    int priceClass;
};

// Each genre has new releases (class 1), regulars (2) and discount titles (3).
inline constexpr DemoTitle DemoTitles[] = {
    {"Steel Horizon", 1, "R", 1}, {"Dead Reckoning Run", 1, "R", 1}, {"Iron Harbor", 1, "PG-13", 2},
    {"Thunder Road Justice", 1, "R", 2}, {"Blackout Protocol", 1, "PG-13", 2}, {"The Last Convoy", 1, "PG-13", 2},
    {"Firewall Canyon", 1, "R", 2}, {"Midnight Extraction", 1, "R", 2}, {"Renegade Squadron Nine", 1, "PG-13", 2},
    {"Crossfire at Dawn", 1, "R", 3}, {"Cold Steel Zero", 1, "NC-17", 3}, {"Bullet Bay", 1, "R", 3},
    {"Orbit of Shadows", 2, "PG-13", 1}, {"The Andromeda Signal", 2, "PG", 1}, {"Chrome Planet", 2, "PG-13", 2},
    {"Starfall Colony", 2, "PG-13", 2}, {"Neon Frontier", 2, "R", 2}, {"The Quantum Drifters", 2, "PG", 2},
    {"Beyond the Red Nebula", 2, "PG", 2}, {"Terminal Moon", 2, "R", 2}, {"Proxima Station", 2, "PG-13", 2},
    {"The Clockwork Sky", 2, "G", 3}, {"Echoes from Europa", 2, "PG", 3}, {"Gravity Wells", 2, "PG-13", 3},
    {"Letters to Willow Creek", 3, "PG", 1}, {"The Quiet Harvest", 3, "PG-13", 1}, {"Summer on Maple Street", 3, "PG", 2},
    {"A River in Winter", 3, "PG-13", 2}, {"The Lighthouse Keeper's Daughter", 3, "PG", 2}, {"Broken Strings", 3, "R", 2},
    {"Second Chances", 3, "PG-13", 2}, {"Whispering Pines", 3, "PG", 2}, {"The Long Road to Barrow", 3, "R", 2},
    {"Saltwater Hearts", 3, "PG-13", 3}, {"Forgotten Seasons", 3, "PG", 3}, {"The Glass Orchard", 3, "R", 3},
    {"My Uncle the Astronaut", 4, "PG", 1}, {"Two Weddings and a Goat", 4, "PG-13", 1}, {"Camp Kickback", 4, "PG-13", 2},
    {"The Accidental Mayor", 4, "PG", 2}, {"Lost in Suburbia", 4, "PG-13", 2}, {"Pizza Night Panic", 4, "G", 2},
    {"Grandma's Got Game", 4, "PG", 2}, {"The Great Lawn Mower Race", 4, "G", 2}, {"Office Party Animals", 4, "R", 2},
    {"Honeymoon Hotel Havoc", 4, "PG-13", 3}, {"Bowling for Bucks", 4, "PG", 3}, {"Spring Break Substitute", 4, "R", 3},
    {"The Cellar Door", 5, "R", 1}, {"Harvest of the Scarecrow", 5, "R", 1}, {"Whisper Lake", 5, "PG-13", 2},
    {"The Hollow Caller", 5, "R", 2}, {"Blood Moon Motel", 5, "NC-17", 2}, {"Eyes in the Attic", 5, "PG-13", 2},
    {"Dead Air at Midnight", 5, "R", 2}, {"The Ninth Visitor", 5, "R", 2}, {"Fog over Raven Hill", 5, "PG-13", 2},
    {"Deadline Static", 5, "R", 3}, {"The Caretaker's Key", 5, "R", 3}, {"Shadow Point", 5, "PG-13", 3},
};

struct Product
{
    const char *name;
    int cents;
};

inline constexpr Product DemoItems[] = {
    {"Microwave Popcorn 3-pack", 299}, {"Chocolate Bar", 125}, {"Licorice Twists", 149},
    {"Gummy Bears", 199}, {"Potato Chips", 179}, {"Cola 355 mL", 99},
    {"Bottled Water 500 mL", 89}, {"Blank VHS Tape T-120", 349}, {"Blank VHS Tapes 3-pack", 899},
    {"VHS Head Cleaner", 999}, {"Tape Rewinder", 1999}, {"VHS Storage Case", 149},
    {"AA Batteries 4-pack", 499}, {"Movie Candy Box", 249}, {"Blank Beta Tape L-750", 499},
};

inline constexpr const char *Brands[] = {"Starlite", "Reel Treats", "Northern", "Gold Ribbon", "Cinema Select",
                                         "Prairie", "Red Barn", "Kettle Creek", "Moonbeam", "Front Row"};

inline constexpr Product Products[] = {
    {"Microwave Popcorn", 249}, {"Chocolate Bar", 125}, {"Licorice Twists", 149}, {"Gummy Bears", 199},
    {"Sour Keys", 179}, {"Potato Chips", 179}, {"Cola 355 mL", 99}, {"Ginger Ale 355 mL", 99},
    {"Root Beer 2 L", 229}, {"Blank VHS Tape T-120", 349}, {"Blank VHS Tape T-160", 449}, {"VHS Head Cleaner", 999},
    {"Tape Rewinder", 1999}, {"VHS Storage Case", 149}, {"AA Batteries", 499}, {"Universal Remote", 1499},
    {"Nacho Chips", 199}, {"Candy-Coated Peanuts", 169}, {"Jelly Beans", 149}, {"Peppermints", 89},
    {"Bottled Water 500 mL", 89}, {"Iced Tea 500 mL", 139}, {"Pretzels", 159}, {"Caramel Corn", 219},
    {"Cheese Puffs", 169}};

struct Size
{
    const char *suffix;
    int percent; // of the plain item's price
};

inline constexpr Size Sizes[] = {{"", 100}, {", small", 70}, {", large", 150}, {", value pack", 260}};

} // namespace SampleWords
