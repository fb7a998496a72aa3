// The design view: the two inputs, Results and the results area, as the design window does it.
// The results shown always belong to the inputs beside them: a refused Results clears them, and
// an edit after Results marks them as the previous inputs' until Results is pressed again.

import { drawSection, layOutForDrawing, sectionCaption } from './section_drawing.js';
import { failureText, inputProblemText } from './messages.js';

export function createDesignView(elements, showMessage) {
  const {
    load, floors, results, staleNote, width, length, barDiameter, barCount, figure, drawing,
    caption,
  } = elements;
  // The inputs of the results on show, or null when none are shown.
  let shownFor = null;

  const clearDrawing = () => {
    figure.hidden = true;
    drawing.replaceChildren();
    caption.textContent = '';
  };

  let drawn = null;  // the layout and rules of the drawing on show, for its caption

  const showDrawing = (calculation, design) => {
    const layout = calculation.layOutSection
      ? layOutForDrawing(calculation.layOutSection,
        { widthText: String(calculation.rules.sectionWidthCm), ...design })
      : null;
    if (!layout) {
      clearDrawing();
      return;
    }
    drawSection(drawing, layout, calculation.rules);
    drawn = { layout, rules: calculation.rules };
    caption.textContent = sectionCaption(layout, calculation.rules);
    figure.hidden = false;
  };

  // The caption in the page's language, after a change of it.
  const retranslate = () => {
    if (!figure.hidden && drawn) {
      caption.textContent = sectionCaption(drawn.layout, drawn.rules);
    }
  };

  // Writes every result field; a field the calculation did not reach becomes empty.
  const writeResults = (design) => {
    length.value = design.lengthText ?? '';
    barCount.value = design.barCountText ?? '';
  };

  const showStaleness = () => {
    const stale = shownFor !== null && (load.value !== shownFor.load ||
                                        floors.value !== shownFor.floors);
    results.classList.toggle('stale', stale);
    staleNote.hidden = !stale;
  };
  // Listened to on the form, so the field's guard has settled the text first.
  load.form.addEventListener('input', showStaleness);

  const focusAfterMessage = { 'load-empty': load, 'floors-empty': floors };

  const runResults = (calculation) => {
    const problem = calculation.checkInputs(load.value, floors.value);
    if (problem) {
      shownFor = null;
      results.hidden = true;
      writeResults({});
      clearDrawing();
      showStaleness();
      showMessage(inputProblemText(problem), () => focusAfterMessage[problem]?.focus());
      return;
    }
    shownFor = { load: load.value, floors: floors.value };
    results.hidden = false;
    showStaleness();
    width.value = String(calculation.rules.sectionWidthCm);
    barDiameter.value = String(calculation.rules.barDiameterMm);
    const design = calculation.designColumn(load.value, floors.value);
    if (design.ok) {
      writeResults(design);
      showDrawing(calculation, design);
      return;
    }
    writeResults(design.partial);
    clearDrawing();
    showMessage(failureText(design.failure));
  };

  return { runResults, retranslate };
}
