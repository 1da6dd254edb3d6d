// A compressed sound through the browser's decoder, at the file's own rate, into 16-bit PCM as
// the desktop's decoders give it.
import { FrequenceFichier } from './frequence.js';

// The rates an OfflineAudioContext accepts.
const kFrequenceMin = 3000;
const kFrequenceMax = 768000;

// Floats in -1..1 to 16-bit samples, interleaved; at most two channels are kept.
export function EnPcm16(canaux, trames) {
  const voies = Math.min(canaux.length, 2);
  const pcm = new Int16Array(trames * voies);
  for (let v = 0; v < voies; ++v) {
    const canal = canaux[v];
    for (let i = 0; i < trames; ++i)
      pcm[i * voies + v] = Math.max(-32768, Math.min(32767, Math.round(canal[i] * 32768)));
  }
  return { pcm, voies };
}

// { pcm, voies, frequence }, or an exception whose message names what went wrong.
export async function DecodeSon(octets) {
  const lue = FrequenceFichier(octets);
  const frequence = lue >= kFrequenceMin && lue <= kFrequenceMax ? lue : 48000;
  const contexte = new OfflineAudioContext(1, 1, frequence);
  const tampon = await contexte.decodeAudioData(octets.slice().buffer);
  const canaux = Array.from({ length: tampon.numberOfChannels }, (_, v) => tampon.getChannelData(v));
  return { ...EnPcm16(canaux, tampon.length), frequence };
}
