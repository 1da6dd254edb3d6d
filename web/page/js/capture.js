// The microphone's blocks, copied to the page as they come (an audio worklet).
class Tcapture extends AudioWorkletProcessor {
  process(entrees) {
    const canal = entrees[0] && entrees[0][0];
    if (canal) this.port.postMessage(canal.slice());
    return true;
  }
}
registerProcessor('capture-sampix', Tcapture);
