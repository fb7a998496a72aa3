// The design view: the two inputs, Results and the results area, as the design window does it.
// The results shown always belong to the inputs beside them: a refused Results clears them, and
// an edit after Results marks them as the previous inputs' until Results is pressed again.

import { drawSection, layOutForDrawing, sectionCaption } from './section_drawing.js';
import { failureText, inputProblemText } from './messages.js';

// `onDesigned(sheet)` gets what the calculation sheet shows of each successful Results, and
// `onRefused()` is told of every other: the sheet belongs to the last successful Results.
export function createDesignView(elements, showMessage, { onDesigned, onRefused }) {
  const {
    load, floors, results, staleNote, width, length, barDiameter, barCount, figure, drawing,
    caption,
  } = elements;
  // The inputs of the results on show, or null when none are shown.
  let shownFor = null;
  // The materials panel, once the calculation has loaded.
  let materials = null;
  const inputsNow = () => JSON.stringify([load.value, floors.value, materials?.materials()]);

  const clearDrawing = () => {
    figure.hidden = true;
    drawing.replaceChildren();
    caption.textContent = '';
  };

  let drawn = null;  // the layout of the drawing on show, for its caption

  // Draws the section and returns its layout, or null when it cannot be drawn.
  const showDrawing = (calculation, design) => {
    const layout = layOutForDrawing(calculation.layOutSection,
                                    { ...design, ...design.materials });
    if (!layout) {
      clearDrawing();
      return null;
    }
    drawSection(drawing, layout, calculation.rules);
    drawn = layout;
    caption.textContent = sectionCaption(layout);
    figure.hidden = false;
    return layout;
  };

  // The caption in the page's language, after a change of it.
  const retranslate = () => {
    if (!figure.hidden && drawn) {
      caption.textContent = sectionCaption(drawn);
    }
  };

  // Writes every result field; a field the calculation did not reach becomes empty.
  const writeResults = (design) => {
    length.value = design.lengthText ?? '';
    barCount.value = design.barCountText ?? '';
  };

  const showStaleness = () => {
    const stale = shownFor !== null && inputsNow() !== shownFor;
    results.classList.toggle('stale', stale);
    staleNote.hidden = !stale;
  };
  // Listened to on the form, so the field's guard has settled the text first.
  load.form.addEventListener('input', showStaleness);

  const focusAfterMessage = { 'load-empty': load, 'floors-empty': floors };

  const runResults = (calculation) => {
    const problem = calculation.checkInputs(load.value, floors.value);
    const choice = problem ? null : materials.check();
    if (problem || choice) {
      shownFor = null;
      results.hidden = true;
      writeResults({});
      clearDrawing();
      showStaleness();
      onRefused();
      if (problem) {
        showMessage(inputProblemText(problem), () => focusAfterMessage[problem]?.focus());
      } else {
        showMessage(materials.problemText(choice), () => materials.showChoice(choice));
      }
      return;
    }
    shownFor = inputsNow();
    results.hidden = false;
    showStaleness();
    const design = calculation.designWithWorking(load.value, floors.value, materials.materials());
    // The width and diameter of the materials, as the engine writes them.
    width.value = design.materials.widthText;
    barDiameter.value = design.materials.barDiameterText;
    if (design.ok) {
      writeResults(design);
      const layout = showDrawing(calculation, design);
      const report = calculation.designReport(load.value, floors.value, materials.materials());
      onDesigned({ report, layout, date: new Date() });
      return;
    }
    writeResults(design.partial);
    clearDrawing();
    onRefused();
    showMessage(failureText(design.failure));
  };

  return {
    runResults,
    retranslate,
    useMaterials(panel) {
      materials = panel;
    },
  };
}
