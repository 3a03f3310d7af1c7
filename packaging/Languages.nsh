; The installer's own texts in every language it speaks; NSIS's language files give the rest.
; Included with /CHARSET=UTF8 by Tavelin.nsi. A new language needs its MUI_LANGUAGE line in
; Tavelin.nsi and its four texts here.

LangString StartAtSignIn ${LANG_ENGLISH} "Start Tavelin when I sign in"
LangString StartNow ${LANG_ENGLISH} "Start Tavelin now"
LangString RemoveNotice ${LANG_ENGLISH} "Tavelin will be ended and removed from this folder. Your settings in $APPDATA\Tavelin stay where they are."
LangString SettingsStay ${LANG_ENGLISH} "Your settings stay in $APPDATA\Tavelin."

LangString StartAtSignIn ${LANG_GERMAN} "Tavelin beim Anmelden starten"
LangString StartNow ${LANG_GERMAN} "Tavelin jetzt starten"
LangString RemoveNotice ${LANG_GERMAN} "Tavelin wird beendet und aus diesem Ordner entfernt. Ihre Einstellungen in $APPDATA\Tavelin bleiben erhalten."
LangString SettingsStay ${LANG_GERMAN} "Ihre Einstellungen bleiben in $APPDATA\Tavelin erhalten."

LangString StartAtSignIn ${LANG_FRENCH} "Démarrer Tavelin à l'ouverture de session"
LangString StartNow ${LANG_FRENCH} "Démarrer Tavelin maintenant"
LangString RemoveNotice ${LANG_FRENCH} "Tavelin va être fermé et supprimé de ce dossier. Vos réglages dans $APPDATA\Tavelin sont conservés."
LangString SettingsStay ${LANG_FRENCH} "Vos réglages restent dans $APPDATA\Tavelin."

LangString StartAtSignIn ${LANG_SPANISH} "Iniciar Tavelin al iniciar sesión"
LangString StartNow ${LANG_SPANISH} "Iniciar Tavelin ahora"
LangString RemoveNotice ${LANG_SPANISH} "Tavelin se cerrará y se quitará de esta carpeta. Tu configuración en $APPDATA\Tavelin se conserva."
LangString SettingsStay ${LANG_SPANISH} "Tu configuración se queda en $APPDATA\Tavelin."

LangString StartAtSignIn ${LANG_ITALIAN} "Avvia Tavelin all'accesso"
LangString StartNow ${LANG_ITALIAN} "Avvia Tavelin ora"
LangString RemoveNotice ${LANG_ITALIAN} "Tavelin verrà chiuso e rimosso da questa cartella. Le tue impostazioni in $APPDATA\Tavelin restano dove sono."
LangString SettingsStay ${LANG_ITALIAN} "Le tue impostazioni restano in $APPDATA\Tavelin."

LangString StartAtSignIn ${LANG_PORTUGUESEBR} "Iniciar o Tavelin ao entrar"
LangString StartNow ${LANG_PORTUGUESEBR} "Iniciar o Tavelin agora"
LangString RemoveNotice ${LANG_PORTUGUESEBR} "O Tavelin será encerrado e removido desta pasta. Suas configurações em $APPDATA\Tavelin continuam onde estão."
LangString SettingsStay ${LANG_PORTUGUESEBR} "Suas configurações continuam em $APPDATA\Tavelin."

LangString StartAtSignIn ${LANG_DUTCH} "Tavelin starten bij aanmelden"
LangString StartNow ${LANG_DUTCH} "Tavelin nu starten"
LangString RemoveNotice ${LANG_DUTCH} "Tavelin wordt afgesloten en uit deze map verwijderd. Je instellingen in $APPDATA\Tavelin blijven bewaard."
LangString SettingsStay ${LANG_DUTCH} "Je instellingen blijven bewaard in $APPDATA\Tavelin."

LangString StartAtSignIn ${LANG_POLISH} "Uruchamiaj Tavelin po zalogowaniu"
LangString StartNow ${LANG_POLISH} "Uruchom Tavelin teraz"
LangString RemoveNotice ${LANG_POLISH} "Tavelin zostanie zamknięty i usunięty z tego folderu. Twoje ustawienia w $APPDATA\Tavelin pozostaną bez zmian."
LangString SettingsStay ${LANG_POLISH} "Twoje ustawienia pozostają w $APPDATA\Tavelin."

LangString StartAtSignIn ${LANG_RUSSIAN} "Запускать Tavelin при входе в систему"
LangString StartNow ${LANG_RUSSIAN} "Запустить Tavelin сейчас"
LangString RemoveNotice ${LANG_RUSSIAN} "Tavelin будет закрыт и удалён из этой папки. Ваши настройки в $APPDATA\Tavelin останутся на месте."
LangString SettingsStay ${LANG_RUSSIAN} "Ваши настройки остаются в $APPDATA\Tavelin."

LangString StartAtSignIn ${LANG_JAPANESE} "サインイン時に Tavelin を起動する"
LangString StartNow ${LANG_JAPANESE} "今すぐ Tavelin を起動する"
LangString RemoveNotice ${LANG_JAPANESE} "Tavelin を終了し、このフォルダーから削除します。$APPDATA\Tavelin にある設定はそのまま残ります。"
LangString SettingsStay ${LANG_JAPANESE} "設定は $APPDATA\Tavelin に残っています。"

LangString StartAtSignIn ${LANG_SIMPCHINESE} "登录时启动 Tavelin"
LangString StartNow ${LANG_SIMPCHINESE} "立即启动 Tavelin"
LangString RemoveNotice ${LANG_SIMPCHINESE} "Tavelin 将被关闭并从此文件夹中删除。您在 $APPDATA\Tavelin 中的设置会保留。"
LangString SettingsStay ${LANG_SIMPCHINESE} "您的设置保留在 $APPDATA\Tavelin 中。"
