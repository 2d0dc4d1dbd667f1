#!/usr/bin/env python3
"""A made-up answer of the community directory (json/stations) with this many stations, for the
benchmarks: bench/directory_answer.py COUNT OUT.json"""
import json, random, sys
count, path = int(sys.argv[1]), sys.argv[2]
random.seed(7)
tags = ["jazz", "rock", "pop,top 40", "news,talk", "classical", "ambient", "techno", "oldies,80s",
        "country", "hip hop", "world music", "unknown tag", "", "folk,indie", "metal",
        "smooth jazz,lounge", "schlager", "nachrichten"]
countries = [("DE", "Germany", "german,deutsch"), ("FR", "France", "french"),
             ("US", "The United States Of America", "english"), ("JP", "Japan", "japanese"),
             ("ES", "Spain", "spanish"), ("BR", "Brazil", "portuguese")]
out = []
for i in range(count):
    code, country, language = random.choice(countries)
    out.append({"stationuuid": f"{i:08x}-0601-11e8-ae97-52543be04c81",
                "name": f"Radio {country} {i % (count // 3 + 1)}",
                "url": f"http://s{i}.example/live", "url_resolved": f"https://s{i}.example/live",
                "homepage": f"https://s{i}.example/", "favicon": f"https://s{i}.example/logo.png",
                "tags": random.choice(tags), "countrycode": code, "country": country,
                "language": language, "codec": random.choice(["MP3", "AAC", "OGG"]),
                "bitrate": random.choice([64, 128, 192]), "votes": random.randint(0, 5000),
                "lastcheckok": int(random.random() > 0.1), "hls": 0})
json.dump(out, open(path, "w"))
