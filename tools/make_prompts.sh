#!/usr/bin/env bash
# Regenerates the voice navigation prompts data/<name>.wav with espeak-ng: each is spoken, then
# resampled to 16 kHz mono 16-bit PCM to keep the files small. Needs espeak-ng and python3.
# Usage: tools/make_prompts.sh [output folder]   (default: data/ of this tree)
set -euo pipefail
TOP="$(cd "$(dirname "$0")/.." && pwd)"
OUT="${1:-$TOP/data}"
VOICE="${PROMPT_VOICE:-en-us}"
SPEED="${PROMPT_SPEED:-150}"
mkdir -p "$OUT"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# name|words
prompts=(
  "Call|Call"
  "SPC|State, province or country"
  "RstRcvd|Report received"
  "RstSnt|Report sent"
  "County|County"
  "Dupe|Duplicate contact"
  "NavEn|Voice navigation on"
  "NavDis|Voice navigation off"
)

for p in "${prompts[@]}"; do
  name="${p%%|*}"
  words="${p#*|}"
  espeak-ng -v "$VOICE" -s "$SPEED" -w "$tmp/$name.wav" "$words"
  python3 - "$tmp/$name.wav" "$OUT/$name.wav" <<'EOF'
# Resamples a mono 16-bit wave file to 16 kHz with a windowed-sinc low-pass, trims silence at
# both ends (leaving 30 ms) and writes a plain PCM wave file.
import math, struct, sys, wave

src, dst = sys.argv[1], sys.argv[2]
RATE = 16000
with wave.open(src, "rb") as w:
    assert w.getnchannels() == 1 and w.getsampwidth() == 2
    rate = w.getframerate()
    raw = w.readframes(w.getnframes())
x = list(struct.unpack("<%dh" % (len(raw) // 2), raw))

# Trim silence.
limit = 200
first = next((i for i, v in enumerate(x) if abs(v) > limit), 0)
last = next((i for i in range(len(x) - 1, -1, -1) if abs(x[i]) > limit), len(x) - 1)
pad = rate * 30 // 1000
x = x[max(0, first - pad):min(len(x), last + pad)]

# Resample: each output sample is a Hann-windowed sinc sum around its input position.
ratio = RATE / rate
cutoff = min(1.0, ratio) * 0.95
half = 16
n_out = int(len(x) * ratio)
y = []
for k in range(n_out):
    t = k / ratio
    c = int(t)
    acc = 0.0
    for i in range(c - half + 1, c + half + 1):
        if 0 <= i < len(x):
            d = t - i
            s = cutoff if d == 0 else math.sin(math.pi * cutoff * d) / (math.pi * d)
            win = 0.5 + 0.5 * math.cos(math.pi * d / half) if abs(d) < half else 0.0
            acc += x[i] * s * win
    y.append(max(-32768, min(32767, int(round(acc)))))

with wave.open(dst, "wb") as w:
    w.setnchannels(1)
    w.setsampwidth(2)
    w.setframerate(RATE)
    w.writeframes(struct.pack("<%dh" % len(y), *y))
EOF
  echo "$OUT/$name.wav"
done
