// The page's language, decided before its first paint by this classic script in the head:
// Arabic, unless the address asks for English (?lang=en) or the user chose it with the title
// bar's switch (remembered in localStorage). The page's own texts are Arabic, so in another
// language it stays blank until language.js has put that language's texts in place.
(() => {
  const directions = { ar: 'rtl', en: 'ltr' };
  const known = (language) => Object.hasOwn(directions, language ?? '');
  let language = new URLSearchParams(window.location.search).get('lang');
  if (!known(language)) {
    try {
      language = window.localStorage.getItem('column-designer-language');
    } catch {
      language = null;  // storage refused: the default
    }
  }
  if (!known(language)) language = 'ar';
  const root = document.documentElement;
  root.lang = language;
  root.dir = directions[language];
  if (language !== 'ar') root.classList.add('texts-pending');
})();
