#!/usr/bin/env python3
"""Writes the sample working folder example/ from the public top-2000 playlist.

    python3 scripts/make_example.py [playlist.tsv] [output folder]

The folder holds what a new user needs to try the program at once:

  mysongs.txt   this year's chart (2026) in the song database format, ranked by
                popularity, with realistic previous places
  2025.txt      last year's chart in the same format, for the new and
                disappeared songs
  country.txt   country codes for the most frequent artists
  url.txt       a few artist home pages
  songurl.txt   a few song pages

Everything is derived deterministically (the same input gives the same
files byte for byte), in the program's code page, Windows-1252. The settings
and the column files are left out on purpose: the first start imports.
"""

import math
import os
import struct
import sys
import hashlib

CHART_YEAR = 2026
NAME_WIDTH = 29

HEADER = "%4d  Artist                        Song                          Year %4d Duration Votes\n"
SONG_LINE = "%d\t%s\t%s\t%4d\t%4d\t%s\t%d\n"

NEW_SONG = 0
NO_PREVIOUS_PLACE = 9999

# Country codes as the Countries screen knows them.
COUNTRIES = {
    "NL": """BLØF; Marco Borsato; De Dijk; Anouk; Golden Earring; Andre Hazes;
        Boudewijn de Groot; Kensington; Guus Meeuwis; Acda en de Munnik; Rowwen Hèze; Doe Maar;
        Racoon; Ilse DeLange; The Cats; Frank Boeijen Groep; Herman van Veen; Normaal;
        Ramses Shaffy; Within Temptation; Herman Brood & His Wild Romance; Rob De Nijs;
        Paul de Leeuw; De Jeugd Van Tegenwoordig; Daniël Lohues; Armin van Buuren; Chef'Special;
        Douwe Bob; Earth & Fire; Het Goede Doel; Stef Bos; Cuby & The Blizzards""",
    "UK": """Queen; The Beatles; Coldplay; The Rolling Stones; David Bowie; Fleetwood Mac;
        George Michael; Muse; Adele; Dire Straits; Pink Floyd; Bee Gees; Ed Sheeran; Elton John;
        Supertramp; Phil Collins; Genesis; Led Zeppelin; The Police; Mumford & Sons; Editors;
        Robbie Williams; The Who; The Cure; Sting; Radiohead; Simple Minds; Joe Cocker;
        Amy Winehouse; Snow Patrol; Status Quo; Keane; Simply Red; Peter Gabriel; Joe Jackson;
        The Prodigy; Deep Purple; Arctic Monkeys; Elbow; UB40; Eric Clapton; Yes;
        Electric Light Orchestra; Kate Bush; Madness; The Alan Parsons Project; Talk Talk;
        Tears For Fears; Oasis; Mark Ronson; 10cc; Paul McCartney; Spandau Ballet; Eurythmics;
        Faithless; Michael Kiwanuka; Bastille; John Lennon; The Moody Blues; Wham!; The Kinks;
        Iron Maiden; Duran Duran; Depeche Mode; Frankie Goes To Hollywood; The Smiths;
        Van Morrison""",
    "USA": """Bruce Springsteen; Michael Jackson; Elvis Presley; Creedence Clearwater Revival;
        Eagles; Prince; Metallica; Red Hot Chili Peppers; Nirvana; Billy Joel; Foo Fighters;
        Johnny Cash; Imagine Dragons; The Doors; Guns N' Roses; R.E.M.; Green Day; John Mayer;
        Bon Jovi; Neil Diamond; Simon & Garfunkel; Eminem; Pearl Jam; Beyoncé; P!nk; Bob Dylan;
        Paul Simon; TOTO; Barbra Streisand; John Denver; Tina Turner; Jimi Hendrix; Santana;
        Counting Crows; Madonna; Stevie Wonder; Live; Whitney Houston; Frank Sinatra;
        The Beach Boys; Marvin Gaye; Meat Loaf; Linkin Park; Queens of the Stone Age;
        Kings of Leon; Lady Gaga; Bruno Mars; The War On Drugs; Crosby, Stills, Nash & Young;
        Alice Cooper; Dolly Parton; Talking Heads; The Smashing Pumpkins; The Killers;
        Justin Timberlake; Lou Reed; JAY-Z; Beth Hart; 2Pac; Roy Orbison; The Black Keys;
        Cyndi Lauper; Earth, Wind & Fire; Janis Joplin; J.J. Cale; The Doobie Brothers; ZZ Top;
        Heart; Iggy Pop; Donna Summer; Foreigner; Van Halen; Otis Redding; Nina Simone;
        Aretha Franklin""",
    "IRE": "U2; The Script; The Cranberries",
    "SWE": "ABBA; Avicii",
    "CAN": "Neil Young; Leonard Cohen; Bryan Adams; Alanis Morissette; Michael Bublé",
    "AUS": "AC/DC; Crowded House",
    "GER": "Rammstein; Scorpions; Herbert Grönemeyer",
    "FRA": "Daft Punk",
    "BEL": "Stromae",
    "JAM": "Bob Marley & The Wailers",
}
# Known artists whose country is still to be looked up (a line without code).
COUNTRY_TO_DO = ["Rihanna"]

ARTIST_LINKS = {
    "Queen": "http://www.queenonline.com/",
    "The Beatles": "http://www.thebeatles.com/",
    "U2": "http://www.u2.com/",
    "Coldplay": "http://www.coldplay.com/",
    "ABBA": "http://www.abbasite.com/",
    "Golden Earring": "http://www.goldenearring.nl/",
}
SONG_LINKS = {
    "Bohemian Rhapsody - 2011 Mix": "http://en.wikipedia.org/wiki/Bohemian_Rhapsody",
    "Hotel California - 2013 Remaster": "http://en.wikipedia.org/wiki/Hotel_California_(song)",
    "Stairway to Heaven - Remaster": "http://en.wikipedia.org/wiki/Stairway_to_Heaven",
    "Radar Love": "http://nl.wikipedia.org/wiki/Radar_Love",
}


def fit_name(text):
    """Artist and title as the program holds them: exactly 29 characters."""
    return text[:NAME_WIDTH].ljust(NAME_WIDTH)


def unit(key, salt):
    """A number in [0, 1) drawn from a key: the same key always gives the same number."""
    digest = hashlib.sha256(("%s|%s" % (salt, key)).encode("utf-8")).digest()
    return struct.unpack(">Q", digest[:8])[0] / 2.0**64


def normal(key, salt):
    u1 = max(unit(key, salt + "/a"), 1e-12)
    u2 = unit(key, salt + "/b")
    return math.sqrt(-2.0 * math.log(u1)) * math.cos(2.0 * math.pi * u2)


def read_playlist(path):
    songs = []
    with open(path, encoding="utf-8") as f:
        next(f)  # the header line
        for index, line in enumerate(f):
            fields = line.rstrip("\n").split("\t")
            fields += [""] * (5 - len(fields))
            title, artist, year, seconds, popularity = fields[:5]
            if not artist.strip() or not title.strip():
                continue  # a line carrying only a title is no song
            songs.append({
                "index": index,
                "title": title,
                "artist": artist,
                "year": int(year) if year.strip() else 0,
                "seconds": int(seconds) if seconds.strip() else 0,
                "popularity": int(popularity) if popularity.strip() else 0,
            })
    return songs


def key_of(song):
    return song["artist"] + "\t" + song["title"]


def duration(seconds):
    return "%02d:%02d" % (seconds // 60, seconds % 60) if seconds > 0 else "00:00"


def previous_order(songs, salt, spread):
    """A plausible ranking one year earlier: every song moves by a random
    factor around its place, the top of the chart less than the middle."""
    def score(position, song):
        return position * math.exp(spread * normal(key_of(song), salt))
    ranked = sorted(enumerate(songs), key=lambda ps: (score(ps[0] + 1, ps[1]), ps[1]["index"]))
    return [song for _, song in ranked]


def build_charts(all_songs):
    # Most popular first; equal popularity keeps the playlist's order.
    ranked = sorted(all_songs, key=lambda s: (-s["popularity"], s["index"]))
    # Songs of the last years are often new entries; a few older ones come
    # back; about 3% of last year's songs drop out.
    new = set()
    gone = set()
    for s in ranked:
        k = key_of(s)
        chance = 0.45 if s["year"] >= 2019 else 0.02
        if unit(k, "new") < chance:
            new.add(k)
        elif unit(k, "gone") < 0.03:
            gone.add(k)
    this_year = [s for s in ranked if key_of(s) not in gone]
    last_year = previous_order([s for s in ranked if key_of(s) not in new], "2025", 0.35)
    place_last_year = {key_of(s): i + 1 for i, s in enumerate(last_year)}
    # A handful of songs whose previous place was never recorded.
    unknown = {key_of(s) for s in this_year if unit(key_of(s), "unknown") < 0.004}
    this_rows = []
    for i, s in enumerate(this_year):
        k = key_of(s)
        if k in new:
            prev = NEW_SONG
        elif k in unknown:
            prev = NO_PREVIOUS_PLACE
        else:
            prev = place_last_year[k]
        this_rows.append((i + 1, s, prev))

    # Last year's own previous places, from an older order in the same way.
    new_last_year = {key_of(s) for s in last_year if unit(key_of(s), "new2025") < 0.03}
    older = previous_order([s for s in last_year if key_of(s) not in new_last_year], "2024", 0.35)
    place_older = {key_of(s): i + 1 for i, s in enumerate(older)}
    last_rows = [(i + 1, s, place_older.get(key_of(s), NEW_SONG)) for i, s in enumerate(last_year)]
    return this_rows, last_rows


def song_file(chart_year, rows):
    text = HEADER % (chart_year, chart_year - 1)
    for place, s, prev in rows:
        text += SONG_LINE % (place, fit_name(s["artist"]), fit_name(s["title"]), s["year"], prev,
                             duration(s["seconds"]), 0)
    return text + "\n"


def country_file(listed_artists):
    lines = []
    for code, names in COUNTRIES.items():
        for name in (n.strip() for n in names.split(";")):
            if name not in listed_artists:
                raise SystemExit("country.txt: %s is not in the list" % name)
            lines.append((name, fit_name(name) + code))
    for name in COUNTRY_TO_DO:
        if name in listed_artists:
            lines.append((name, fit_name(name)))
    lines.sort(key=lambda nl: nl[0].casefold())
    return "".join(line + "\n" for _, line in lines)


def link_file(links, known):
    text = ""
    for key, link in links.items():
        if key not in known:
            raise SystemExit("link for %s, which is not in the list" % key)
        text += fit_name(key) + link + "\n"
    return text


def write(folder, name, text):
    data = text.encode("cp1252")  # fails loudly on a character outside the code page
    path = os.path.join(folder, name)
    with open(path + ".new", "wb") as f:
        f.write(data)
    os.replace(path + ".new", path)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    source = sys.argv[1] if len(sys.argv) > 1 else "/work/shared/data/top2000-playlist.tsv"
    folder = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "..", "example")
    os.makedirs(folder, exist_ok=True)

    songs = read_playlist(source)
    this_rows, last_rows = build_charts(songs)
    artists = {s["artist"] for s in songs}
    titles = {s["title"] for s in songs}

    write(folder, "mysongs.txt", song_file(CHART_YEAR, this_rows))
    write(folder, "%4d.txt" % (CHART_YEAR - 1), song_file(CHART_YEAR - 1, last_rows))
    write(folder, "country.txt", country_file(artists))
    write(folder, "url.txt", link_file(ARTIST_LINKS, artists))
    write(folder, "songurl.txt", link_file(SONG_LINKS, titles))

    new = sum(1 for _, _, p in this_rows if p == NEW_SONG)
    print("mysongs.txt: %d songs (%d new), %4d.txt: %d songs" %
          (len(this_rows), new, CHART_YEAR - 1, len(last_rows)))


if __name__ == "__main__":
    main()
