// The sample rate a compressed file declares, read from its first bytes, so that the
// browser's decoder keeps it instead of resampling to the sound card's rate. Null when the
// bytes say nothing known.

const kFrequencesMpeg = [44100, 48000, 32000];

function Texte(octets, debut, longueur) {
  return String.fromCharCode(...octets.subarray(debut, debut + longueur));
}

// An ID3v2 tag is skipped (its size is four 7-bit bytes, plus 10 for a footer); the first
// frame header with a valid version, layer, bit rate and rate index gives the rate.
function FrequenceMpeg(o) {
  let i = 0;
  while (i + 10 <= o.length && Texte(o, i, 3) === 'ID3') {
    const taille = (o[i + 6] & 0x7f) << 21 | (o[i + 7] & 0x7f) << 14 | (o[i + 8] & 0x7f) << 7 | (o[i + 9] & 0x7f);
    i += 10 + taille + (o[i + 5] & 0x10 ? 10 : 0);
  }
  for (; i + 4 <= o.length; ++i) {
    if (o[i] !== 0xff || (o[i + 1] & 0xe0) !== 0xe0) continue;
    const version = o[i + 1] >> 3 & 3;
    const couche = o[i + 1] >> 1 & 3;
    const debit = o[i + 2] >> 4;
    const indice = o[i + 2] >> 2 & 3;
    if (version === 1 || couche === 0 || debit === 15 || indice === 3) continue;
    const diviseur = version === 3 ? 1 : version === 2 ? 2 : 4;
    return kFrequencesMpeg[indice] / diviseur;
  }
  return null;
}

// STREAMINFO comes first: 20 bits of rate after 10 bytes of block and frame sizes.
function FrequenceFlac(o) {
  return o.length >= 21 ? o[18] << 12 | o[19] << 4 | o[20] >> 4 : null;
}

// The first page's first packet: a Vorbis identification header, or Opus (always 48 kHz out).
function FrequenceOgg(o) {
  if (o.length < 28) return null;
  const paquet = 27 + o[26];
  if (Texte(o, paquet, 8) === 'OpusHead') return 48000;
  if (Texte(o, paquet, 7) === '\x01vorbis' && o.length >= paquet + 16)
    return new DataView(o.buffer, o.byteOffset + paquet + 12, 4).getUint32(0, true);
  return null;
}

// A WAV file that our reader leaves to the decoder (24 bits, floating point...): its format
// chunk's rate, the chunks walked from offset 12.
function FrequenceWav(o) {
  const vue = new DataView(o.buffer, o.byteOffset, o.length);
  for (let i = 12; i + 16 <= o.length; i += 8 + vue.getUint32(i + 4, true) + (vue.getUint32(i + 4, true) & 1))
    if (Texte(o, i, 4) === 'fmt ') return vue.getUint32(i + 12, true);
  return null;
}

export function FrequenceFichier(octets) {
  if (Texte(octets, 0, 4) === 'RIFF' && Texte(octets, 8, 4) === 'WAVE') return FrequenceWav(octets);
  if (Texte(octets, 0, 4) === 'fLaC') return FrequenceFlac(octets);
  if (Texte(octets, 0, 4) === 'OggS') return FrequenceOgg(octets);
  return FrequenceMpeg(octets);
}
