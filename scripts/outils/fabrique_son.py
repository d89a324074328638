#!/usr/bin/env python3
"""Writes resources/sons/son19.wav: the short notification chime (a third of a second)."""
import math, struct, sys, wave

taux = 22050
duree = 0.33
notes = [(0.0, 1318.5), (0.08, 1760.0)]  # E6 then A6, a soft two-note chime
n = int(taux * duree)
echantillons = []
for i in range(n):
    t = i / taux
    v = 0.0
    for debut, f in notes:
        if t >= debut:
            u = t - debut
            enveloppe = min(1.0, u / 0.004) * math.exp(-u * 14.0)
            v += 0.35 * enveloppe * (math.sin(2 * math.pi * f * u) + 0.25 * math.sin(4 * math.pi * f * u))
    fin = min(1.0, (duree - t) / 0.02)  # no click at the end
    echantillons.append(int(max(-1.0, min(1.0, v * fin)) * 32767))
with wave.open(sys.argv[1] if len(sys.argv) > 1 else "resources/sons/son19.wav", "wb") as w:
    w.setnchannels(1)
    w.setsampwidth(2)
    w.setframerate(taux)
    w.writeframes(b"".join(struct.pack("<h", s) for s in echantillons))
