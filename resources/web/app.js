// The notes page: keeps its state in window.__quillnoteState, which the
// plug-in pulls about once a second and stores with the host project.

let state = { notes: [], activities: [], audioFiles: [], version: 3 };

const notesList = document.getElementById("notes");
const transportLine = document.getElementById("transport");

function publish() {
  const { sessionId, ...stored } = state;
  window.__quillnoteState = JSON.stringify(stored);
}

function render() {
  notesList.replaceChildren(...state.notes.map((note) => {
    const item = document.createElement("li");
    const stamp = document.createElement("time");
    stamp.textContent = note.positionFormatted || "";
    item.append(stamp, note.text);
    return item;
  }));
}

window.__Quillnote = {
  importState(text) {
    try {
      state = { ...state, ...JSON.parse(text) };
    } catch (e) {
      console.log("Quillnote: stored state is not JSON", e);
    }
    render();
    publish();
  },
};

document.getElementById("note-form").addEventListener("submit", (event) => {
  event.preventDefault();
  const field = document.getElementById("note-text");
  const text = field.value.trim();
  if (!text) return;
  const transport = window.__transportData || {};
  state.notes.push({ text, positionFormatted: transport.positionFormatted, created: Date.now() });
  state.activities.push({ kind: "note", at: Date.now() });
  field.value = "";
  render();
  publish();
});

setInterval(() => {
  const t = window.__transportData;
  if (!t || !t.connected) return;
  const track = t.trackName ? ` \u00B7 ${t.trackName}` : "";
  transportLine.textContent = `${t.playing ? "\u25B6" : "\u25A0"} ${t.positionFormatted} \u00B7 ${t.bpm.toFixed(1)} BPM \u00B7 ${t.timeSigNum}/${t.timeSigDen}${track}`;
}, 250);
